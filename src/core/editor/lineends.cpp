#include "core/editor/lineends.h"

namespace tav2 {

namespace {

constexpr char kDroppedByte = '\xFF';

std::string Newlines(std::string_view bytes, bool dropByte255) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char ch = bytes[i];
    if (ch == '\r') {
      text += '\n';
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else if (!(dropByte255 && ch == kDroppedByte)) {
      text += ch;
    }
  }
  return text;
}

}  // namespace

std::string LineEnds::TextFromFile(std::string_view bytes) {
  std::string text = Newlines(bytes, false);
  if (text.ends_with('\n')) text.pop_back();
  return text;
}

std::string LineEnds::FileFromText(std::string_view text) {
  if (text.empty()) return {};
  return WithCrLf(text) + "\r\n";
}

std::string LineEnds::InsertedText(std::string_view bytes) { return Newlines(bytes, true); }

std::string LineEnds::WithCrLf(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (const char ch : text) {
    if (ch == '\n') bytes += '\r';
    bytes += ch;
  }
  return bytes;
}

}  // namespace tav2
