#include "core/lang/helptopics.h"

#include <algorithm>
#include <cctype>

#include "core/lang/words.h"
#include "core/sim/mcrom.h"

namespace tav2 {

std::optional<std::string> HelpTopics::For(std::string_view word) {
  const std::string_view trimmed = Words::Trimmed(word).substr(0, 100);
  std::optional<std::string_view> title;
  for (std::size_t i = 1; i < kTitles.size() && !title; ++i) {
    if (Words::Same(trimmed, kTitles[i])) title = kTitles[i];
  }
  for (const Alias& alias : kAliases) {
    if (!title && Words::Same(word, alias.word)) title = alias.title;
  }
  if (title) return std::string(title->substr(0, 98));
  for (const IndexWords& index : kIndex) {
    for (std::string_view indexed : index.words) {
      if (Words::Same(trimmed, indexed)) return std::string(indexed) + " " + std::string(index.kind);
    }
  }
  return std::nullopt;
}

std::optional<std::string> HelpTopics::For(std::string_view word, const Mcrom& rom) {
  if (std::optional<std::string> topic = For(word)) return topic;
  if (!rom.Find(Words::First(word), false)) return std::nullopt;
  return std::string("Instruction set");
}

std::string HelpTopics::Anchor(std::string_view title) {
  std::string anchor;
  for (char ch : title) {
    anchor += ch == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  }
  return anchor;
}

}  // namespace tav2
