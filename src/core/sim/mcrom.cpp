#include "core/sim/mcrom.h"

#include <algorithm>
#include <cctype>

namespace tav2 {

namespace {
bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}
}  // namespace

void Mcrom::SetEntry(int index, const McromEntry& entry) {
  entries_.at(static_cast<std::size_t>(index)) = entry;
  ++generation_;
}

void Mcrom::Clear() {
  entries_.fill(McromEntry{});
  ++generation_;
}

std::optional<int> Mcrom::Find(std::string_view name, bool caseSensitive) const {
  if (name.empty()) return std::nullopt;
  for (int i = 1; i < kEntries; ++i) {
    const std::string_view stored = entries_[static_cast<std::size_t>(i)].NameView();
    if (caseSensitive ? stored == name : EqualNoCase(stored, name)) return i;
  }
  return std::nullopt;
}

}  // namespace tav2
