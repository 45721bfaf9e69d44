#include "core/shell/optionsfile.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>
#include <string_view>

#include "core/editor/tabs.h"
#include "core/shell/textfile.h"

namespace tav2 {

namespace {

namespace fs = std::filesystem;

// The value starts at the fifth character, after the key, a blank and "=".
constexpr std::size_t kValueStart = 4;
// Lines shorter than this carry no key for the environment and assembler
// readers; the editor reader wants at least one value character.
constexpr std::size_t kShortestKeyLine = 4;
constexpr std::size_t kShortestEditorLine = 5;

struct KeyLine {
  std::string_view key;
  std::string_view value;  // blanks before it skipped, nothing trimmed after it
};

std::optional<KeyLine> SplitKeyLine(std::string_view line, std::size_t shortest) {
  if (line.size() < shortest) return std::nullopt;
  std::string_view value = line.substr(kValueStart);
  value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
  return KeyLine{line.substr(0, 2), value};
}

// An optional sign and the decimal digits that follow; 0 when there are no
// digits or the number does not fit an int.
int ReadDecimal(std::string_view value) {
  if (value.starts_with('+')) {
    value.remove_prefix(1);
    if (value.starts_with('-')) return 0;
  }
  int number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  return error == std::errc{} ? number : 0;
}

bool ReadFlag(std::string_view value) { return ReadDecimal(value) != 0; }

// Calls `take` for every keyed line after the first (the first line is
// always a section title).
void ForEachKeyLine(const std::vector<std::string>& lines, std::size_t shortest,
                    const std::function<void(const KeyLine&)>& take) {
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (const auto keyLine = SplitKeyLine(lines[i], shortest)) take(*keyLine);
  }
}

void AppendLine(std::string& text, std::string_view line) {
  text += line;
  text += '\n';
}

// "XX = value", then the two tabs and the comment when there is one.
void AppendKey(std::string& text, std::string_view key, std::string_view value,
               std::string_view comment = {}) {
  text += key;
  text += " = ";
  text += value;
  if (!comment.empty()) {
    text += "\t\t";
    text += comment;
  }
  text += '\n';
}

std::string Flag(bool value) { return value ? "1" : "0"; }

// Where the file is kept: HomeDir, or `keptIn` when that is given.
fs::path KeptIn(const WorkbenchSettings& settings, const fs::path& currentDir, const fs::path& keptIn) {
  return currentDir / (keptIn.empty() ? settings.environment.homeDir : keptIn);
}

}  // namespace

std::string OptionsFile::Text(const WorkbenchSettings& settings) {
  std::string text;
  WriteEnvironment(settings.environment, text);
  WriteEditorDefaults(settings.editor, text);
  WriteAssembler(settings.assembler, text);
  return text;
}

void OptionsFile::WriteEnvironment(const EnvironmentSettings& environment, std::string& text) {
  AppendLine(text, "//environment options");
  AppendKey(text, "WD", environment.workingDir.string());
  AppendKey(text, "HD", environment.homeDir.string());
  AppendKey(text, "ID", environment.includeDir.string());
  AppendKey(text, "BF", Flag(environment.createBakFiles), "//Create bakfiles");
  AppendKey(text, "SO", Flag(environment.saveOptionsOnExit), "//Save options on exit");
}

void OptionsFile::WriteEditorDefaults(const EditorDefaults& editor, std::string& text) {
  AppendLine(text, "//default editor options");
  AppendKey(text, "AI", Flag(editor.options.autoIndent), "//auto_indent");
  AppendKey(text, "WW", Flag(editor.options.wordWrap), "//wordwrap");
  AppendKey(text, "SC", Flag(editor.options.syntaxColoring), "//syntaxcoloring");
  AppendKey(text, "CS", std::to_string(editor.sourcesBackground), "//sources backgroundcolor");
  AppendKey(text, "CT", std::to_string(editor.textBackground), "//text backgroundcolor");
  AppendKey(text, "TS", Flag(editor.options.tabsToSpaces), "//tabs to spaces");
  AppendKey(text, "TN", std::to_string(editor.options.tabNumber), "//tabnumber");
  AppendKey(text, "LN", Flag(editor.options.lineNumbers), "//line numbers");
}

void OptionsFile::WriteAssembler(const AssemblerOptions& assembler, std::string& text) {
  AppendLine(text, "//assembler options");
  AppendKey(text, "PS", std::to_string(assembler.programStart), " //assembler startadres(default)");
  AppendKey(text, "SP", std::to_string(assembler.defaultStackPointer), " //stack pointer (default)");
}

void OptionsFile::Apply(const std::vector<std::string>& lines, WorkbenchSettings& settings) {
  ReadEnvironment(lines, settings.environment);
  ReadEditorDefaults(lines, settings.editor);
  ReadAssembler(lines, settings.assembler);
}

void OptionsFile::ReadEnvironment(const std::vector<std::string>& lines, EnvironmentSettings& environment) {
  ForEachKeyLine(lines, kShortestKeyLine, [&](const KeyLine& line) {
    if (line.key == "WD") environment.workingDir = line.value;
    if (line.key == "HD") environment.homeDir = line.value;
    if (line.key == "ID") environment.includeDir = line.value;
    if (line.key == "BF") environment.createBakFiles = ReadFlag(line.value);
    if (line.key == "SO") environment.saveOptionsOnExit = ReadFlag(line.value);
  });
}

void OptionsFile::ReadEditorDefaults(const std::vector<std::string>& lines, EditorDefaults& editor) {
  ForEachKeyLine(lines, kShortestEditorLine, [&](const KeyLine& line) {
    if (line.key == "AI") editor.options.autoIndent = ReadFlag(line.value);
    if (line.key == "WW") editor.options.wordWrap = ReadFlag(line.value);
    if (line.key == "SC") editor.options.syntaxColoring = ReadFlag(line.value);
    if (line.key == "CS") editor.sourcesBackground = ReadDecimal(line.value);
    if (line.key == "CT") editor.textBackground = ReadDecimal(line.value);
    if (line.key == "TS") editor.options.tabsToSpaces = ReadFlag(line.value);
    if (line.key == "TN") editor.options.tabNumber = UsableTabNumber(ReadDecimal(line.value));
    if (line.key == "LN") editor.options.lineNumbers = ReadFlag(line.value);
  });
}

void OptionsFile::ReadAssembler(const std::vector<std::string>& lines, AssemblerOptions& assembler) {
  ForEachKeyLine(lines, kShortestKeyLine, [&](const KeyLine& line) {
    if (line.key == "PS") assembler.programStart = ReadDecimal(line.value);
    if (line.key == "SP") assembler.defaultStackPointer = ReadDecimal(line.value);
  });
}

OptionsReadResult OptionsFile::Read(WorkbenchSettings& settings, const fs::path& currentDir,
                                    const fs::path& keptIn) {
  const fs::path homeDir = currentDir / settings.environment.homeDir;
  std::error_code error;
  const bool inCurrentDir = fs::exists(currentDir / kFileName, error);
  const fs::path directory = inCurrentDir ? currentDir : KeptIn(settings, currentDir, keptIn);
  const auto lines = TextFile::ReadLines(directory / kFileName);
  if (!lines) return {{}, inCurrentDir ? currentDir : homeDir};
  Apply(*lines, settings);
  return {directory, currentDir};
}

OptionsWriteResult OptionsFile::Write(const WorkbenchSettings& settings, const fs::path& currentDir,
                                      const fs::path& keptIn) {
  std::string failure;
  const auto directory = TextFile::ReplaceInFirst(
      {KeptIn(settings, currentDir, keptIn), currentDir / settings.environment.workingDir}, kFileName,
      Text(settings), &failure);
  if (!directory) return {false, {}, kCannotWrite + (". " + failure)};
  return {true, *directory, kStoredIn + directory->string()};
}

OptionsReadResult OptionsFile::ReadOptionsFile(WorkbenchSettings& settings, const fs::path& keptIn) {
  std::error_code error;
  const fs::path currentDir = fs::current_path(error);
  OptionsReadResult result = Read(settings, currentDir, keptIn);
  if (result.currentDir != currentDir) {
    fs::current_path(result.currentDir, error);
    if (error) result.currentDir = currentDir;
  }
  return result;
}

OptionsWriteResult OptionsFile::WriteOptionsFile(const WorkbenchSettings& settings, const fs::path& keptIn) {
  std::error_code error;
  return Write(settings, fs::current_path(error), keptIn);
}

}  // namespace tav2
