#include "core/sim/memorysearch.h"

#include <cctype>

#include "core/sim/mainmemory.h"
#include "core/sim/programlabels.h"

namespace tav2 {

namespace {

constexpr std::size_t kWordDigits = 4;

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<uint16_t> HexWord(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
  if (text.empty() || text.size() > kWordDigits) return std::nullopt;
  unsigned value = 0;
  for (const char ch : text) {
    if (!std::isxdigit(static_cast<unsigned char>(ch))) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(ch))
                                                   ? ch - '0'
                                                   : std::toupper(static_cast<unsigned char>(ch)) - 'A' + 10);
  }
  return static_cast<uint16_t>(value);
}

bool Quoted(std::string_view text) {
  return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

}  // namespace

std::optional<uint16_t> MemorySearch::AddressOf(std::string_view text, const ProgramLabels& labels) {
  const std::string_view wanted = Trimmed(text);
  if (const std::optional<uint16_t> labelled = labels.FindAddress(wanted)) return labelled;
  return HexWord(wanted);
}

std::vector<uint16_t> MemorySearch::WordsOf(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  if (const std::optional<uint16_t> word = HexWord(trimmed)) return {*word};
  if (Quoted(trimmed)) text = trimmed.substr(1, trimmed.size() - 2);
  std::vector<uint16_t> words;
  for (const char ch : text) words.push_back(static_cast<unsigned char>(ch));
  return words;
}

std::optional<uint16_t> MemorySearch::Find(const MainMemory& memory, const std::vector<uint16_t>& words,
                                           uint16_t from) {
  if (words.empty()) return std::nullopt;
  for (std::size_t step = 1; step <= MainMemory::kWords; ++step) {
    const auto start = static_cast<uint16_t>(from + step);
    bool match = true;
    for (std::size_t i = 0; i < words.size() && match; ++i) {
      match = memory.Read(static_cast<uint16_t>(start + i)) == words[i];
    }
    if (match) return start;
  }
  return std::nullopt;
}

}  // namespace tav2
