#include "core/sim/programlabels.h"

#include "core/lang/uppercased.h"

namespace tav2 {

void ProgramLabels::Clear() {
  byAddress_.clear();
  byName_.clear();
}

void ProgramLabels::Add(uint16_t address, std::string_view name) {
  byAddress_.try_emplace(address, name);
  byName_.try_emplace(UpperCased(name), address);
}

const std::string* ProgramLabels::FindAt(uint16_t address) const {
  const auto found = byAddress_.find(address);
  return found == byAddress_.end() ? nullptr : &found->second;
}

std::optional<uint16_t> ProgramLabels::FindAddress(std::string_view name) const {
  const auto found = byName_.find(UpperCased(name));
  if (found == byName_.end()) return std::nullopt;
  return found->second;
}

}  // namespace tav2
