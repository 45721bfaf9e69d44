#include "clioptions.h"

#include <charconv>
#include <set>

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
const std::set<std::string>& AllowedOptions(const std::string& command) {
  static const std::set<std::string> run = {"--microcode", "--start", "--sp",   "--max-steps",
                                            "--echo",      "--stats", "--regs", "--mem"};
  static const std::set<std::string> assemble = {"--microcode", "--start", "--listing"};
  static const std::set<std::string> rom = {"--microcode"};
  static const std::set<std::string> none;
  if (command == "run") return run;
  if (command == "asm") return assemble;
  if (command == "rom") return rom;
  return none;
}

}  // namespace

std::optional<CliOptions> CliOptions::Parse(const std::vector<std::string>& args, std::string& error) {
  CliOptions options;
  if (args.empty()) {
    error = "no command given";
    return std::nullopt;
  }
  options.command = args[0];
  if (options.command != "run" && options.command != "asm" && options.command != "mc" &&
      options.command != "rom") {
    error = "unknown command: " + options.command;
    return std::nullopt;
  }
  std::vector<std::string> files;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      files.push_back(arg);
      continue;
    }
    if (AllowedOptions(options.command).count(arg) == 0) {
      error = "unknown option for " + options.command + ": " + arg;
      return std::nullopt;
    }
    if (arg == "--echo" || arg == "--stats" || arg == "--regs") {
      (arg == "--echo" ? options.echo : arg == "--stats" ? options.stats : options.regs) = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = "missing value for " + arg;
      return std::nullopt;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (arg == "--microcode") {
      options.microcode = value;
    } else if (arg == "--listing") {
      options.listing = value;
    } else if (arg == "--start" || arg == "--sp") {
      uint16_t word = 0;
      ok = ParseHexWord(value, word);
      (arg == "--start" ? options.start : options.stackPointer) = word;
    } else if (arg == "--max-steps") {
      uint64_t steps = 0;
      ok = ParseNumber(value, 10, steps);
      options.maxSteps = steps;
    } else {
      MemoryDump dump{};
      ok = ParseDump(value, dump);
      options.dumps.push_back(dump);
    }
    if (!ok) {
      error = "bad value for " + arg + ": " + value;
      return std::nullopt;
    }
  }
  const std::size_t wanted = options.command == "rom" ? 0 : 1;
  if (files.size() != wanted) {
    error = wanted == 0 ? "rom takes no file" : options.command + " takes one file";
    return std::nullopt;
  }
  if (wanted == 1) options.file = files[0];
  return options;
}

}  // namespace tav2
