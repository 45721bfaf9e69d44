#include "tav2cli.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>

#include "clidisplay.h"
#include "debugcommand.h"
#include "cliusage.h"
#include "core/lang/buildreporter.h"
#include "core/lang/sourcefile.h"
#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "core/sim/machine.h"
#include "core/sim/mcromlisting.h"
#include "core/sim/processor.h"
#include "core/sim/terminal.h"
#include "runtrace.h"
#include "streamterminal.h"
#include "core/util/atomicfilewriter.h"
#include "testcommand.h"

namespace tav2 {

namespace {

constexpr const char* kStartUpMicrocode = "microdefs.~mc";
constexpr const char* kErrorsInProject = "Errors in projectfile";
constexpr std::string_view kStandardOutput = "-";

// Warnings and information of a build, as lines on standard error.
class StreamReporter : public BuildReporter {
 public:
  explicit StreamReporter(std::FILE* err) : err_(err) {}
  void ShowWarning(const std::string& text) override { std::fprintf(err_, "%s\n", text.c_str()); }
  void ShowInfo(const std::string& text) override { std::fprintf(err_, "%s\n", text.c_str()); }

 private:
  std::FILE* err_;
};

// Whether two names lead to one file (also through links, or when one of
// them does not exist yet).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  std::error_code errorA;
  std::error_code errorB;
  const std::filesystem::path canonicalA = std::filesystem::weakly_canonical(a, errorA);
  const std::filesystem::path canonicalB = std::filesystem::weakly_canonical(b, errorB);
  return !errorA && !errorB && canonicalA == canonicalB;
}

// The text as an editor holds it: one "\n" per line break.
std::string WithLineFeeds(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      result += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

// `tav2-cli --help`, or `tav2-cli COMMAND --help`.
std::string HelpText(const std::string& command) {
  if (command.empty()) return CliUsage::Help();
  return CliUsage::Help(*CliUsage::Find(command));
}

}  // namespace

int Tav2Cli::CannotWrite(const std::string& file) {
  std::fprintf(err_, "can't write file: %s\n", file.c_str());
  return kCannotWrite;
}

int Tav2Cli::Main(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<CliOptions> options = CliOptions::Parse(args, error);
  if (!options) {
    std::fprintf(err_, "tav2-cli: %s\n%s", error.c_str(), CliUsage::Usage().c_str());
    return kUsage;
  }
  const int status = Execute(*options);
  return OutputWritten() ? status : kCannotWriteOutput;
}

int Tav2Cli::Execute(const CliOptions& options) {
  if (options.version) return Print(CliUsage::Version());
  if (options.help) return Print(HelpText(options.command));
  if (options.command == "run") return Run(options);
  if (options.command == "asm") return Assemble(options);
  if (options.command == "mc") return CheckMicrocode(options);
  if (options.command == "test") return TestCommand(homeDir_, out_, err_).Run(options);
  if (options.command == "debug") return DebugCommand(*this).Main(options);
  return ListRom(options);
}

int Tav2Cli::Print(const std::string& text) {
  std::fputs(text.c_str(), out_);
  return kSuccess;
}

void Tav2Cli::FlushOutput() {
  errno = 0;
  if (std::fflush(out_) != 0) NoteOutputError(errno);
}

void Tav2Cli::NoteOutputError(int error) {
  if (outputError_ == 0) outputError_ = error;
}

// Whatever failed to reach standard output, at any time, fails the command.
bool Tav2Cli::OutputWritten() {
  FlushOutput();
  if (!std::ferror(out_)) return true;
  if (outputError_ == 0) {
    std::fprintf(err_, "can't write standard output\n");
  } else {
    std::fprintf(err_, "can't write standard output (%s)\n", std::strerror(outputError_));
  }
  return false;
}

bool Tav2Cli::Readable(const std::string& file, const SourceFile& source) {
  switch (source.status) {
    case SourceFile::Status::kRead: return true;
    case SourceFile::Status::kTooLarge:
      std::fprintf(err_, "can't open file: %s (%s)\n", file.c_str(), source.TooLargeReason().c_str());
      return false;
    case SourceFile::Status::kCannotOpen: break;
  }
  std::fprintf(err_, "can't open file: %s\n", file.c_str());
  return false;
}

bool Tav2Cli::ReportErrors(const Scanner& translator) {
  if (translator.Succeeded()) return false;
  for (const BuildError& error : translator.Errors()) std::fprintf(err_, "%s\n", error.ListLine().c_str());
  std::fprintf(err_, "%s\n", kErrorsInProject);
  return true;
}

std::optional<int> Tav2Cli::LoadMicrocode(const CliOptions& options, Machine& machine) {
  const std::filesystem::path file =
      options.microcode ? std::filesystem::path(*options.microcode) : homeDir_ / kStartUpMicrocode;
  if (!Readable(file.string(), SourceFile::Check(file))) return kCannotRead;
  MicrocodeParser parser(machine.mcrom);
  parser.loadAfterBuild = true;
  parser.SetIncludeDirectories(homeDir_ / "include", file.parent_path());
  parser.ParseSourceFile(file.string());
  microcodeFiles_ = parser.IncludedFiles();
  microcodeFiles_.push_back(file.string());
  if (ReportErrors(parser)) return kBuildErrors;
  return std::nullopt;
}

std::optional<int> Tav2Cli::Build(const CliOptions& options, Machine& machine, bool load,
                                  const Assembler::ListingSink& listing) {
  const SourceFile source = SourceFile::Read(options.file);
  if (!Readable(options.file, source)) return kCannotRead;
  if (const std::optional<int> failed = LoadMicrocode(options, machine)) return failed;
  StreamReporter reporter(err_);
  Assembler assembler(machine);
  assembler.programStart = options.start.value_or(0);
  assembler.loadAfterBuild = load;
  assembler.runAfterLoad = load;
  assembler.SetListingSink(listing);
  assembler.SetReporter(&reporter);
  assembler.SetIncludeDirectories(homeDir_ / "include", std::filesystem::path(options.file).parent_path());
  assembler.ParseSource(WithLineFeeds(source.text), options.file);
  if (ReportErrors(assembler)) return kBuildErrors;
  return std::nullopt;
}

int Tav2Cli::Run(const CliOptions& options) {
  auto machine = std::make_unique<Machine>();
  if (const std::optional<int> failed = Build(options, *machine, true, {})) return *failed;
  machine->defaultStackPointer = options.stackPointer.value_or(0x7FFF);

  CliDisplay display;
  RunTrace trace(display);
  if (const std::optional<std::string> file = trace.Create(options)) return CannotWrite(*file);
  Processor processor(*machine, trace.Display());
  ScreenGrid grid;
  StreamTerminal device(grid, processor.State(), options.echo, in_, out_);
  Terminal terminal(grid, device);
  processor.StepEngine().SetTerminal(&terminal);
  processor.Control().SetTerminal(&terminal);
  terminal.Clear();
  RunControl& control = processor.Control();
  control.SetStepLimit(options.maxSteps);

  const auto start = std::chrono::steady_clock::now();
  control.Reset();
  trace.Start(*machine, processor.State());
  const auto stopped = [&] {
    return machine->halted || device.InputEnded() || device.WriteError() != 0 || control.StepLimitReached();
  };
  if (trace.ByClocks()) {
    trace.RunByClocks(control, processor.State(), stopped);
  } else {
    // A stop on a breakpoint is resumed at once: nobody is there to press Go.
    do {
      control.Go();
    } while (!stopped());
  }
  NoteOutputError(device.WriteError());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  if ((options.regs || !options.dumps.empty()) && !device.AtLineStart()) std::fputc('\n', out_);
  if (options.regs) DumpRegisters(processor.State());
  for (const CliOptions::MemoryDump& dump : options.dumps) DumpMemory(*machine, dump);
  FlushOutput();
  if (options.stats) PrintStats(processor.State(), seconds);
  if (const std::optional<std::string> file = trace.Finish()) return CannotWrite(*file);

  if (device.InputEnded()) return kInputEnded;
  if (!machine->halted) return kStepLimit;
  if (!display.Error().empty()) {
    std::fprintf(err_, "%s\n", display.Error().c_str());
    return kHaltedByZero;
  }
  return kSuccess;
}

// The listing to standard output is held until the build is over; one to
// a file is written through the checked writer. A listing that cannot be
// kept is an error of its own, reported instead of "Program assembled".
int Tav2Cli::Assemble(const CliOptions& options) {
  auto machine = std::make_unique<Machine>();
  const bool toStdout = options.listing && *options.listing == kStandardOutput;
  std::string forStdout;
  std::optional<int> listingFailed;
  Assembler::ListingSink sink;
  if (toStdout) {
    sink = [&forStdout](std::string_view listing, const std::vector<std::string>&) {
      forStdout = WithLineFeeds(std::string(listing));
      return true;
    };
  } else if (options.listing) {
    sink = [&](std::string_view listing, const std::vector<std::string>& includedFiles) {
      listingFailed = WriteListing(options, listing, includedFiles);
      return !listingFailed;
    };
  }
  const std::optional<int> failed = Build(options, *machine, false, sink);
  std::fwrite(forStdout.data(), 1, forStdout.size(), out_);
  return listingFailed.value_or(failed.value_or(kSuccess));
}

std::optional<int> Tav2Cli::WriteListing(const CliOptions& options, std::string_view listing,
                                         const std::vector<std::string>& includedFiles) {
  const std::string& target = *options.listing;
  std::vector<std::string> inputs = includedFiles;
  inputs.insert(inputs.end(), microcodeFiles_.begin(), microcodeFiles_.end());
  inputs.push_back(options.file);
  if (std::any_of(inputs.begin(), inputs.end(),
                  [&](const std::string& input) { return SameFile(target, input); })) {
    std::fprintf(err_, "tav2-cli: the listing file is an input of the build: %s\n", target.c_str());
    return kUsage;
  }
  if (const std::optional<std::string> failure = AtomicFileWriter::Replace(target, listing)) {
    std::fprintf(err_, "can't write file: %s (%s)\n", target.c_str(), failure->c_str());
    return kCannotWrite;
  }
  return std::nullopt;
}

int Tav2Cli::CheckMicrocode(const CliOptions& options) {
  if (!Readable(options.file, SourceFile::Check(options.file))) return kCannotRead;
  auto machine = std::make_unique<Machine>();
  MicrocodeParser parser(machine->mcrom);
  parser.SetIncludeDirectories(homeDir_ / "include", std::filesystem::path(options.file).parent_path());
  parser.ParseSourceFile(options.file);
  return ReportErrors(parser) ? kBuildErrors : kSuccess;
}

int Tav2Cli::ListRom(const CliOptions& options) {
  auto machine = std::make_unique<Machine>();
  if (const std::optional<int> failed = LoadMicrocode(options, *machine)) return *failed;
  const McromListing listing = McromListing::Of(machine->mcrom);
  for (const auto* part : {&listing.above, &listing.entries, &listing.below}) {
    for (const std::string& line : *part) std::fprintf(out_, "%s\n", line.c_str());
  }
  return kSuccess;
}

void Tav2Cli::DumpRegisters(const ProcessorState& s) {
  std::fprintf(out_,
               "PC=%04X SP=%04X R1=%04X R2=%04X T1=%04X A=%04X B=%04X C=%04X IR=%04X MDR=%04X "
               "MAR=%04X SR=%04X\n",
               s[Reg::PC], s[Reg::SP], s[Reg::R1], s[Reg::R2], s[Reg::T1], s[Reg::A], s[Reg::B], s[Reg::C],
               s[Reg::IR], s[Reg::MDR], s[Reg::MAR], s[Reg::SR]);
}

void Tav2Cli::DumpMemory(const Machine& machine, const CliOptions::MemoryDump& dump) {
  for (int i = 0; i < dump.count; ++i) {
    const auto address = static_cast<uint16_t>(dump.address + i);
    if (i % 8 == 0) std::fprintf(out_, "%04X:", address);
    std::fprintf(out_, " %04X", machine.memory.Read(address));
    if (i % 8 == 7 || i + 1 == dump.count) std::fputc('\n', out_);
  }
}

void Tav2Cli::PrintStats(const ProcessorState& state, double seconds) {
  PrintCounts(err_, state);
  std::fprintf(err_, "seconds: %.3f\nmicro-steps per second: %.0f\n", seconds,
               seconds > 0 ? static_cast<double>(state.microSteps) / seconds : 0.0);
}

void Tav2Cli::PrintCounts(std::FILE* file, const ProcessorState& state) {
  std::fprintf(file, "instructions: %llu\nmicro-steps: %llu\n",
               static_cast<unsigned long long>(state.instructions),
               static_cast<unsigned long long>(state.microSteps));
}

std::string Tav2Cli::ProgramText(const std::string& file) {
  return WithLineFeeds(SourceFile::Read(file).text);
}

}  // namespace tav2
