#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/editor/editkind.h"

namespace tav2 {

// The names an editor gives and derives from its file name. Extensions are
// those of the file-name part: a dot in a directory name never counts.
class EditorFileName {
 public:
  // The Save as file types, numbered 1 to 4.
  enum FileType { kAssemblerType = 1, kMicrocodeType = 2, kTextType = 3, kAnyType = 4 };
  // The start of the names new files get: "noname1.asm", ...
  static constexpr const char* kUntitledPrefix = "noname";

  // An editor without a file of its own: no name, or one of the names
  // "noname%d..." that new files get. Saving it asks for a name.
  static bool IsUntitled(std::string_view fileName);
  // The name of a new file of `kind`: "noname%d" with the kind's extension.
  static std::string UntitledName(EditKind kind, int number);
  // The window caption of an editor of `kind` holding `fileName`.
  static std::string Caption(EditKind kind, std::string_view fileName);
  // The backup of a file: its extension replaced by ".bak" (appended when
  // it has none).
  static std::string BackupName(std::string_view fileName);
  // The Save as file type a name suggests, from the first three characters
  // of its extension: "asm" 1, "mca" 2, "txt" 3, anything else 4; none when
  // the name has no extension.
  static std::optional<int> FileTypeOf(std::string_view fileName);
  // A name chosen with file type 1 to 3 takes that type's extension in
  // place of its own; type 4 keeps the name as chosen.
  static std::string WithTypeExtension(std::string_view fileName, int fileType);
};

}  // namespace tav2
