#include "core/editor/editkind.h"

#include <filesystem>
#include <string>

#include "core/editor/textchars.h"

namespace tav2 {

EditKind EditKindFromFileName(std::string_view path) {
  const std::string name = std::filesystem::path(path).filename().string();
  const std::size_t dot = name.rfind('.');
  const std::string extension = dot == std::string::npos ? std::string() : UpperCase(name.substr(dot));
  if (extension == ".ASM") return EditKind::AssemblerSource;
  if (extension == ".MCA") return EditKind::MicrocodeSource;
  if (extension == ".~ZJ") return EditKind::AssemblerListing;
  return EditKind::TextFile;
}

}  // namespace tav2
