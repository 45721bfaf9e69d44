#include "clioptions.h"

#include <algorithm>
#include <charconv>

#include "cliusage.h"
#include "core/sim/mainmemory.h"

namespace tav2 {

namespace {

template <typename T>
bool ParseNumber(const std::string& text, int base, T& value) {
  if (text.empty()) return false;
  const char* first = text.data();
  if (base == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) first += 2;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(first, last, value, base);
  return ec == std::errc() && end == last;
}

}  // namespace

bool ParseHexWord(const std::string& text, uint16_t& value) {
  uint32_t wide = 0;
  if (!ParseNumber(text, 16, wide) || wide > 0xFFFF) return false;
  value = static_cast<uint16_t>(wide);
  return true;
}

// At most the whole memory is dumped.
bool ParseDump(const std::string& text, CliOptions::MemoryDump& dump) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  return ParseHexWord(text.substr(0, colon), dump.address) &&
         ParseNumber(text.substr(colon + 1), 10, dump.count) && dump.count > 0 &&
         static_cast<std::size_t>(dump.count) <= MainMemory::kWords;
}

// The options each command takes; the others are refused.
const std::set<std::string>& CliOptions::OptionsOf(const std::string& command) {
  static const std::set<std::string> run = {"--microcode", "--start",       "--sp",   "--max-steps",
                                            "--echo",      "--stats",       "--regs", "--mem",
                                            "--trace",     "--trace-clocks"};
  static const std::set<std::string> assemble = {"--microcode", "--start", "--listing"};
  static const std::set<std::string> rom = {"--microcode"};
  static const std::set<std::string> test = {"--junit", "--json", "--csv", "-j", "--allow-any-include"};
  static const std::set<std::string> debug = {"--microcode", "--start", "--sp", "--input"};
  static const std::set<std::string> none;
  if (command == "run") return run;
  if (command == "asm") return assemble;
  if (command == "rom") return rom;
  if (command == "test") return test;
  if (command == "debug") return debug;
  return none;
}

const std::vector<std::string>& CliOptions::Commands() {
  static const std::vector<std::string> commands = {"run", "asm", "mc", "rom", "test", "debug"};
  return commands;
}

namespace {

// The option naming a file: --microcode, --listing, --trace, the reports and --input.
std::optional<std::string>& FileOf(CliOptions& options, const std::string& arg) {
  if (arg == "--microcode") return options.microcode;
  if (arg == "--listing") return options.listing;
  if (arg == "--trace") return options.trace;
  if (arg == "--trace-clocks") return options.traceClocks;
  if (arg == "--junit") return options.junit;
  if (arg == "--json") return options.json;
  if (arg == "--input") return options.input;
  return options.csv;
}

// "-j N" is also written "-jN".
bool IsOption(const std::string& command, const std::string& arg) {
  return arg.rfind("--", 0) == 0 || (command == "test" && arg.rfind("-j", 0) == 0);
}

bool IsFlag(const std::string& arg) {
  return arg == "--echo" || arg == "--stats" || arg == "--regs" || arg == "--allow-any-include";
}

bool& FlagOf(CliOptions& options, const std::string& arg) {
  if (arg == "--echo") return options.echo;
  if (arg == "--stats") return options.stats;
  if (arg == "--regs") return options.regs;
  return options.allowAnyInclude;
}

// The files a command takes, or why they are wrong.
bool TakeFiles(CliOptions& options, std::vector<std::string>& files, std::string& error) {
  if (options.command == "test") {
    if (files.size() < 2) {
      error = "test takes a case file and one or more programs";
      return false;
    }
    options.file = files[0];
    options.programs.assign(files.begin() + 1, files.end());
    return true;
  }
  const std::size_t wanted = options.command == "rom" ? 0 : 1;
  if (files.size() != wanted) {
    error = wanted == 0 ? "rom takes no file" : options.command + " takes one file";
    return false;
  }
  if (wanted == 1) options.file = files[0];
  return true;
}

// `tav2-cli --help` and `tav2-cli --version`, which stand alone.
std::optional<CliOptions> ProgramOption(const std::vector<std::string>& args, std::string& error) {
  if (args.size() > 1) {
    error = args[0] + " takes no other argument";
    return std::nullopt;
  }
  CliOptions options;
  options.help = args[0] == CliUsage::kHelpOption;
  options.version = !options.help;
  return options;
}

// `tav2-cli COMMAND ... --help`: the command's usage, whatever else is given.
bool AsksForHelp(const std::vector<std::string>& args) {
  return CliUsage::Find(args[0]) != nullptr &&
         std::find(args.begin() + 1, args.end(), CliUsage::kHelpOption) != args.end();
}

}  // namespace

std::optional<CliOptions> CliOptions::Parse(const std::vector<std::string>& args, std::string& error) {
  CliOptions options;
  if (args.empty()) {
    error = "no command given";
    return std::nullopt;
  }
  if (args[0] == CliUsage::kHelpOption || args[0] == CliUsage::kVersionOption) {
    return ProgramOption(args, error);
  }
  options.command = args[0];
  if (AsksForHelp(args)) {
    options.help = true;
    return options;
  }
  if (std::find(Commands().begin(), Commands().end(), options.command) == Commands().end()) {
    error = "unknown command: " + options.command;
    return std::nullopt;
  }
  std::vector<std::string> files;
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string arg = args[i];
    if (!IsOption(options.command, arg)) {
      files.push_back(arg);
      continue;
    }
    std::optional<std::string> joined;
    if (arg.rfind("-j", 0) == 0 && arg.size() > 2) {
      joined = arg.substr(2);
      arg = "-j";
    }
    if (OptionsOf(options.command).count(arg) == 0) {
      error = "unknown option for " + options.command + ": " + arg;
      return std::nullopt;
    }
    if (IsFlag(arg)) {
      FlagOf(options, arg) = true;
      continue;
    }
    if (!joined && i + 1 >= args.size()) {
      error = "missing value for " + arg;
      return std::nullopt;
    }
    const std::string& value = joined ? *joined : args[++i];
    bool ok = true;
    if (arg == "--start" || arg == "--sp") {
      uint16_t word = 0;
      ok = ParseHexWord(value, word);
      (arg == "--start" ? options.start : options.stackPointer) = word;
    } else if (arg == "--max-steps") {
      uint64_t steps = 0;
      ok = ParseNumber(value, 10, steps);
      options.maxSteps = steps;
    } else if (arg == "-j") {
      unsigned jobs = 0;
      ok = ParseNumber(value, 10, jobs) && jobs > 0;
      options.jobs = jobs;
    } else if (arg == "--mem") {
      MemoryDump dump{};
      ok = ParseDump(value, dump);
      options.dumps.push_back(dump);
    } else {
      FileOf(options, arg) = value;
    }
    if (!ok) {
      error = "bad value for " + arg + ": " + value;
      return std::nullopt;
    }
  }
  if (!TakeFiles(options, files, error)) return std::nullopt;
  return options;
}

}  // namespace tav2
