#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tav2 {

// The labels of a loaded program's lines, for the views that name
// addresses the way the source does. Names are found without regard to
// case; an address with several labels is named by the first.
class ProgramLabels {
 public:
  void Clear();
  void Add(uint16_t address, std::string_view name);
  bool Empty() const { return byAddress_.empty(); }
  // The label at `address`, or nullptr.
  const std::string* FindAt(uint16_t address) const;
  std::optional<uint16_t> FindAddress(std::string_view name) const;

 private:
  std::map<uint16_t, std::string> byAddress_;
  std::unordered_map<std::string, uint16_t> byName_;  // upper-case name -> address
};

}  // namespace tav2
