#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tav2 {

// Texts from a submission (its output, file names, build messages) made
// safe to show in a terminal and to hand to the report libraries. Bytes
// that cannot stand as they are become "\xNN", one escape per byte: control
// characters (all but tab, and line feed where kept), DEL, the C1 controls,
// bytes that are not valid UTF-8, and the noncharacters U+FFFE and U+FFFF.
// The result is valid UTF-8 that XML 1.0 can hold and that cannot move a
// terminal's cursor or change its colours.
class Shown {
 public:
  // The text with line feeds and tabs kept.
  static std::string Text(std::string_view bytes);
  // The text on one line: line feeds become "\x0A".
  static std::string Line(std::string_view bytes);
  // The text in double quotes with C-style escapes (\" \\ \n \r \t and the
  // "\xNN" escapes), cut after `maxBytes` of the text with "..." after it.
  static std::string Quoted(std::string_view bytes, std::size_t maxBytes);
  // Points as a report writes them: whole numbers without a fraction.
  static std::string Points(double points);
};

}  // namespace tav2
