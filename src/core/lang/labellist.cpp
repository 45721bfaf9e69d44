#include "core/lang/labellist.h"

#include "core/lang/uppercased.h"

namespace tav2 {

void LabelList::Clear() {
  items_.clear();
  index_.clear();
}

LabelList::Labelitem* LabelList::Find(std::string_view name) {
  const auto found = index_.find(UpperCased(name));
  return found == index_.end() ? nullptr : &items_[found->second];
}

LabelList::Labelitem& LabelList::Append(std::string_view name, std::optional<int> value) {
  index_.emplace(UpperCased(name), items_.size());
  items_.push_back({std::string(name), value});
  return items_.back();
}

}  // namespace tav2
