#pragma once
#include <string>
#include <string_view>

namespace tav2 {

// Line ends between the editor's text, which has one "\n" per line break,
// and its files, which are written with CR LF and read with CR LF, LF or CR.
class LineEnds {
 public:
  // The text of a file read by lines: every CR LF, LF or CR becomes "\n",
  // and the line end of the last line is dropped.
  static std::string TextFromFile(std::string_view bytes);
  // A file written by lines: every line of the text ended by CR LF; an empty
  // text gives an empty file.
  static std::string FileFromText(std::string_view text);
  // A whole file inserted into a text: every line end becomes "\n" (the last
  // one kept) and bytes of value 255 are dropped.
  static std::string InsertedText(std::string_view bytes);
  // A stretch of text written as it stands, its line breaks as CR LF.
  static std::string WithCrLf(std::string_view text);
};

}  // namespace tav2
