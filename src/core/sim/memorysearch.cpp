#include "core/sim/memorysearch.h"

#include "core/sim/mainmemory.h"
#include "core/sim/programlabels.h"
#include "core/util/hexfield.h"

namespace tav2 {

namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool Quoted(std::string_view text) {
  return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

}  // namespace

std::optional<uint16_t> MemorySearch::AddressOf(std::string_view text, const ProgramLabels& labels) {
  const std::string_view wanted = Trimmed(text);
  if (const std::optional<uint16_t> labelled = labels.FindAddress(wanted)) return labelled;
  return HexField::ReadWord(wanted);
}

std::vector<uint16_t> MemorySearch::WordsOf(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  if (const std::optional<uint16_t> word = HexField::ReadWord(trimmed)) return {*word};
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
