#include "lang/labellijst.h"

#include "lang/uppercased.h"

namespace tav2 {

void Labellijst::Clear() {
  items_.clear();
  index_.clear();
}

Labellijst::Labelitem* Labellijst::Find(std::string_view name) {
  const auto found = index_.find(UpperCased(name));
  return found == index_.end() ? nullptr : &items_[found->second];
}

Labellijst::Labelitem& Labellijst::Append(std::string_view name, std::optional<int> value) {
  index_.emplace(UpperCased(name), items_.size());
  items_.push_back({std::string(name), value});
  return items_.back();
}

}  // namespace tav2
