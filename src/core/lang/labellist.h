#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tav2 {

// The labels of one assembly in order of first appearance. Names are
// compared without regard to case and on their whole text; a hash index
// keeps every lookup constant-time however many labels a source defines.
class LabelList {
 public:
  struct Labelitem {
    std::string name;          // as first written
    std::optional<int> value;  // none while the label is referred to but not yet defined
  };

  void Clear();
  // The label of that name, or nullptr. Valid until the next Append or Clear.
  Labelitem* Find(std::string_view name);
  // Appends a label whose name is not in the list yet.
  Labelitem& Append(std::string_view name, std::optional<int> value);
  const std::vector<Labelitem>& Items() const { return items_; }

 private:
  std::vector<Labelitem> items_;
  std::unordered_map<std::string, std::size_t> index_;  // upper-case name -> item
};

}  // namespace tav2
