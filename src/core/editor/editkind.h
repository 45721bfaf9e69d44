#pragma once
#include <string_view>

namespace tav2 {

// The kind of file an editor holds; the numbers are shared with the
// new-file chooser and the main window's commands. 4 is not used.
enum class EditKind : int {
  AssemblerSource = 1,
  AssemblerListing = 2,
  MicrocodeSource = 3,
  TextFile = 5,
};

// The kind an extension gives: the part of the file-name part from its last
// "." on, compared without regard to case (".asm", ".~zj", ".mca"; anything
// else is a text file).
EditKind EditKindFromFileName(std::string_view path);

}  // namespace tav2
