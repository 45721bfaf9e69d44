#pragma once
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clioptions.h"
#include "core/lang/assembler.h"

namespace tav2 {

struct Machine;
struct ProcessorState;
class Scanner;
struct SourceFile;

// The headless runner: assembles and runs a program on the terminal of
// standard input and output, or assembles, checks micro-code and lists the
// micro-code ROM.
class Tav2Cli {
 public:
  enum ExitStatus {
    kSuccess = 0,
    kBuildErrors = 1,
    kHaltedByZero = 2,
    kStepLimit = 3,
    kInputEnded = 4,
    kUsage = 64,
    kCannotRead = 66,
    kCannotWrite = 73,
    kCannotWriteOutput = 74,
  };

  Tav2Cli(std::filesystem::path homeDir, std::FILE* in, std::FILE* out, std::FILE* err)
      : homeDir_(std::move(homeDir)), in_(in), out_(out), err_(err) {}

  int Main(const std::vector<std::string>& args);

 private:
  // The debug command builds, dumps and counts as run does.
  friend class DebugCommand;
  friend class DebugSession;

  int Execute(const CliOptions& options);
  // Writes a usage text or the version to standard output.
  int Print(const std::string& text);
  int Run(const CliOptions& options);
  int Assemble(const CliOptions& options);
  int CheckMicrocode(const CliOptions& options);
  int ListRom(const CliOptions& options);

  // Loads the micro-code the options name (or the home directory's start-up
  // file); the exit status when that failed (after reporting why).
  std::optional<int> LoadMicrocode(const CliOptions& options, Machine& machine);
  // Loads the micro-code and assembles the program, loading it into memory
  // when `load`, the listing going to `listing`; the exit status when that
  // failed.
  std::optional<int> Build(const CliOptions& options, Machine& machine, bool load,
                           const Assembler::ListingSink& listing);
  // Writes the listing to the file `--listing` names, unless that is one of
  // the build's inputs; the exit status when it did not (after reporting why).
  std::optional<int> WriteListing(const CliOptions& options, std::string_view listing,
                                  const std::vector<std::string>& includedFiles);
  // Reports a source that cannot be read; false then.
  bool Readable(const std::string& file, const SourceFile& source);
  // Flushes standard output, noting why when that fails.
  void FlushOutput();
  // Keeps the reason (an errno value) of the first write to standard output that failed.
  void NoteOutputError(int error);
  // Flushes standard output; false, after reporting, when any write to it failed.
  bool OutputWritten();
  // Reports an output file that cannot be written; gives the exit status.
  int CannotWrite(const std::string& file);
  // Lists a failed build's errors; true when there were any.
  bool ReportErrors(const Scanner& translator);
  void DumpRegisters(const ProcessorState& state);
  void DumpMemory(const Machine& machine, const CliOptions::MemoryDump& dump);
  void PrintStats(const ProcessorState& state, double seconds);
  // The instructions and micro-steps lines of the statistics.
  static void PrintCounts(std::FILE* file, const ProcessorState& state);
  // A program's text as the build reads it: one "\n" per line break.
  static std::string ProgramText(const std::string& file);

  std::filesystem::path homeDir_;
  std::vector<std::string> microcodeFiles_;  // the files the micro-code load read
  std::FILE* in_;
  std::FILE* out_;
  std::FILE* err_;
  int outputError_ = 0;
};

}  // namespace tav2
