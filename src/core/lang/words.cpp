#include "core/lang/words.h"

#include <algorithm>
#include <cctype>

namespace tav2 {

namespace {

char Upper(char ch) { return static_cast<char>(std::toupper(static_cast<unsigned char>(ch))); }
bool Separates(char ch) { return Words::IsSeparator(static_cast<unsigned char>(ch)); }

}  // namespace

bool Words::Same(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && Separates(a[i])) ++i;
  while (j < b.size() && Separates(b[j])) ++j;
  while (i < a.size() && j < b.size() && Upper(a[i]) == Upper(b[j])) {
    ++i;
    ++j;
  }
  const bool aEnded = i >= a.size(), bEnded = j >= b.size();
  if (aEnded && bEnded) return true;
  if (aEnded) return Separates(b[j]);
  if (bEnded) return Separates(a[i]);
  return false;
}

std::string_view Words::First(std::string_view text) {
  const auto begin = std::find_if_not(text.begin(), text.end(), Separates);
  const auto end = std::find_if(begin, text.end(), Separates);
  return text.substr(static_cast<std::size_t>(begin - text.begin()), static_cast<std::size_t>(end - begin));
}

std::string_view Words::Trimmed(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && Separates(text[first])) ++first;
  while (last > first && Separates(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace tav2
