#include "core/editor/editorfilename.h"

#include <array>
#include <filesystem>

#include "core/editor/textchars.h"
#include "core/util/formatted.h"

namespace tav2 {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> kTypeExtensions = {"asm", "mca", "txt"};

// The extension of the file-name part without its dot; none without a dot.
std::optional<std::string> ExtensionOf(std::string_view fileName) {
  const fs::path extension = fs::path(fileName).extension();
  if (extension.empty()) return std::nullopt;
  return extension.string().substr(1);
}

std::string FileNamePart(std::string_view fileName) { return fs::path(fileName).filename().string(); }

}  // namespace

bool EditorFileName::IsUntitled(std::string_view fileName) {
  return fileName.empty() || fileName.starts_with(kUntitledPrefix);
}

std::string EditorFileName::UntitledName(EditKind kind, int number) {
  const char* extension = kind == EditKind::AssemblerSource   ? "asm"
                          : kind == EditKind::MicrocodeSource ? "mca"
                                                              : "txt";
  return Formatted("%s%d.%s", kUntitledPrefix, number, extension);
}

std::string EditorFileName::Caption(EditKind kind, std::string_view fileName) {
  switch (kind) {
    case EditKind::AssemblerSource: return "TAV Assembler file: " + FileNamePart(fileName);
    case EditKind::AssemblerListing: return "Assembler output";
    case EditKind::MicrocodeSource: return "Micro Code Source: " + FileNamePart(fileName);
    case EditKind::TextFile: break;
  }
  return "Textfile: " + FileNamePart(fileName);
}

std::string EditorFileName::BackupName(std::string_view fileName) {
  return fs::path(fileName).replace_extension(".bak").string();
}

std::optional<int> EditorFileName::FileTypeOf(std::string_view fileName) {
  const auto extension = ExtensionOf(fileName);
  if (!extension) return std::nullopt;
  std::string lower = extension->substr(0, 3);
  for (char& ch : lower) ch = ToLower(ch);
  for (std::size_t i = 0; i < kTypeExtensions.size(); ++i) {
    if (lower == kTypeExtensions[i]) return static_cast<int>(i) + kAssemblerType;
  }
  return kAnyType;
}

std::string EditorFileName::WithTypeExtension(std::string_view fileName, int fileType) {
  if (fileType < kAssemblerType || fileType > kTextType) return std::string(fileName);
  const std::string_view extension = kTypeExtensions[static_cast<std::size_t>(fileType - kAssemblerType)];
  return fs::path(fileName).replace_extension(std::string(".") + std::string(extension)).string();
}

}  // namespace tav2
