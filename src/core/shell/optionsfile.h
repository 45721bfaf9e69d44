#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "core/shell/workbenchsettings.h"

namespace tav2 {

// What reading the options file did.
struct OptionsReadResult {
  std::filesystem::path readFrom;    // the directory the file was read from; empty when none
  std::filesystem::path currentDir;  // the current directory once reading is over
};

// What writing the options file did, with the message to show: the
// confirmation (information box) or the failure (error box).
struct OptionsWriteResult {
  bool written = false;
  std::filesystem::path directory;  // where the file now lies
  std::string message;
};

// The options file "options.~ds": one "XX = value" line per setting in three
// sections (environment, default editor options, assembler), each section
// headed by a "//" title line. Every reader looks at every line but the
// first, so a key is read whatever section it stands in.
class OptionsFile {
 public:
  static constexpr const char* kFileName = "options.~ds";
  static constexpr const char* kCannotWrite = "Cannot write file 'options.~ds'";
  static constexpr const char* kStoredIn = "Configuration stored in ";

  // The whole file as written, "\n" after every line.
  static std::string Text(const WorkbenchSettings& settings);
  // Takes the settings from the lines of a file; lines no reader knows are
  // ignored, and a key given twice takes its last value.
  static void Apply(const std::vector<std::string>& lines, WorkbenchSettings& settings);

  // The file is kept in HomeDir, or in `keptIn` when that is given (a
  // per-user directory standing in for a home directory the user cannot
  // write).

  // Reads the file from `currentDir`, or when it is not there from where it
  // is kept. When it is in neither, the current directory is to be left at
  // HomeDir; otherwise it stays `currentDir`.
  static OptionsReadResult Read(WorkbenchSettings& settings, const std::filesystem::path& currentDir,
                                const std::filesystem::path& keptIn = {});
  // Writes the file where it is kept, or when that fails into WorkingDir;
  // relative directories are taken from `currentDir`. When neither takes
  // it, the message gives the reason the first refused it.
  static OptionsWriteResult Write(const WorkbenchSettings& settings, const std::filesystem::path& currentDir,
                                  const std::filesystem::path& keptIn = {});

  // Read and Write on the process's current directory, which reading leaves
  // at HomeDir when it found no file.
  static OptionsReadResult ReadOptionsFile(WorkbenchSettings& settings,
                                           const std::filesystem::path& keptIn = {});
  static OptionsWriteResult WriteOptionsFile(const WorkbenchSettings& settings,
                                             const std::filesystem::path& keptIn = {});

 private:
  static void WriteEnvironment(const EnvironmentSettings& environment, std::string& text);
  static void WriteEditorDefaults(const EditorDefaults& editor, std::string& text);
  static void WriteAssembler(const AssemblerOptions& assembler, std::string& text);
  static void ReadEnvironment(const std::vector<std::string>& lines, EnvironmentSettings& environment);
  static void ReadEditorDefaults(const std::vector<std::string>& lines, EditorDefaults& editor);
  static void ReadAssembler(const std::vector<std::string>& lines, AssemblerOptions& assembler);
};

}  // namespace tav2
