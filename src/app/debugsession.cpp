#include "debugsession.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

#include "core/util/formatted.h"
#include "tav2cli.h"

namespace tav2 {

namespace {

constexpr int kMaxBreakpoints = BreakpointList::kCapacity;

struct RegisterName {
  const char* name;
  Reg reg;
};
constexpr RegisterName kRegisterNames[] = {
    {"PC", Reg::PC}, {"SP", Reg::SP}, {"R1", Reg::R1}, {"R2", Reg::R2},   {"T1", Reg::T1},   {"A", Reg::A},
    {"B", Reg::B},   {"C", Reg::C},   {"IR", Reg::IR}, {"MDR", Reg::MDR}, {"MAR", Reg::MAR}, {"SR", Reg::SR}};

std::optional<Reg> RegisterNamed(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char ch) { return std::toupper(ch); });
  for (const RegisterName& r : kRegisterNames) {
    if (name == r.name) return r.reg;
  }
  return std::nullopt;
}

// A decimal number without sign; none when `text` is none or too large.
std::optional<uint64_t> Decimal(const std::string& text) {
  uint64_t value = 0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, value);
  if (text.empty() || error != std::errc() || end != last) return std::nullopt;
  return value;
}

bool HasHexPrefix(const std::string& text) {
  return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// A line of `file` without its line end; none at the end of the file.
std::optional<std::string> ReadLine(std::FILE* file) {
  std::string line;
  int ch = 0;
  while ((ch = std::fgetc(file)) != EOF && ch != '\n') line += static_cast<char>(ch);
  if (ch == EOF && line.empty()) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

struct DebugSession::Command {
  const char* name;
  std::size_t minArgs;
  std::size_t maxArgs;
  const char* usage;
  void (DebugSession::*run)(const Words&);
};

const DebugSession::Command DebugSession::kCommands[] = {
    {"reset", 0, 0, "reset", &DebugSession::ResetCommand},
    {"clock", 0, 1, "clock [N]", &DebugSession::ClockCommand},
    {"step", 0, 1, "step [N]", &DebugSession::StepCommand},
    {"back", 0, 1, "back [N]", &DebugSession::BackCommand},
    {"backclock", 0, 1, "backclock [N]", &DebugSession::BackClockCommand},
    {"next", 0, 0, "next", &DebugSession::NextCommand},
    {"run", 0, 1, "run [N]", &DebugSession::RunCommand},
    {"break", 1, 1, "break LINE|0xADDR", &DebugSession::BreakCommand},
    {"delete", 1, 1, "delete LINE|0xADDR", &DebugSession::DeleteCommand},
    {"watch", 2, 2, "watch 0xADDR r|w|rw", &DebugSession::WatchCommand},
    {"unwatch", 1, 1, "unwatch 0xADDR", &DebugSession::UnwatchCommand},
    {"regs", 0, 0, "regs", &DebugSession::RegsCommand},
    {"mem", 1, 1, "mem ADDR:COUNT", &DebugSession::MemCommand},
    {"stats", 0, 0, "stats", &DebugSession::StatsCommand},
    {"set", 2, 2, "set REG HEX", &DebugSession::SetCommand},
    {"poke", 2, 2, "poke ADDR HEX", &DebugSession::PokeCommand},
    {"quit", 0, 0, "quit", &DebugSession::QuitCommand},
};

DebugSession::DebugSession(Tav2Cli& cli, Machine& machine, const std::string& programText, std::FILE* keys,
                           std::FILE* out, std::FILE* err)
    : cli_(cli),
      machine_(machine),
      out_(out),
      display_(err),
      processor_(machine, display_),
      device_(grid_, processor_.State(), false, keys, out),
      keys_(device_, grid_),
      terminal_(grid_, keys_),
      debugger_(machine, processor_, display_, &grid_, &keys_) {
  processor_.StepEngine().SetTerminal(&terminal_);
  processor_.Control().SetTerminal(&terminal_);
  terminal_.Clear();
  debugger_.SetProgramText(programText);
  debugger_.Reset();
}

void DebugSession::Run(std::FILE* commands) {
  while (const std::optional<std::string> line = ReadLine(commands)) {
    const bool goOn = Execute(*line);
    std::fflush(out_);
    if (!goOn) break;
  }
  std::fflush(out_);
}

bool DebugSession::Execute(const std::string& line) {
  std::istringstream words(line);
  std::string name;
  if (!(words >> name)) return true;
  Words args;
  for (std::string word; words >> word;) args.push_back(word);
  const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&name](const Command& c) { return name == c.name; });
  if (command == std::end(kCommands)) {
    Error("unknown command: " + name);
  } else if (args.size() < command->minArgs || args.size() > command->maxArgs) {
    Error(std::string("usage: ") + command->usage);
  } else {
    (this->*command->run)(args);
  }
  return !quit_;
}

// ---------------------------------------------------------------- running

void DebugSession::ResetCommand(const Words&) {
  debugger_.Reset();
  PrintRegisters();
}

void DebugSession::ClockCommand(const Words& args) { Repeat(args, &Debugger::Clock); }

void DebugSession::StepCommand(const Words& args) { Repeat(args, &Debugger::Instruction); }

// A halted processor makes no clock, and an instruction that halts does
// not end: either stops the command there.
void DebugSession::Repeat(const Words& args, bool (Debugger::*action)()) {
  const std::optional<uint64_t> count = Count(args);
  if (!count) return;
  for (uint64_t i = 0; i < *count && !StoppedByHalt(); ++i) {
    (debugger_.*action)();
    if (debugger_.LastStop().kind == StopKind::InputEnded) {
      PrintStop(debugger_.LastStop());
      break;
    }
  }
  PrintRegisters();
}

void DebugSession::BackCommand(const Words& args) { GoBack(args, &Debugger::BackInstruction); }

void DebugSession::BackClockCommand(const Words& args) { GoBack(args, &Debugger::BackClock); }

void DebugSession::GoBack(const Words& args, BackResult (Debugger::*step)()) {
  const std::optional<uint64_t> count = Count(args);
  if (!count) return;
  for (uint64_t i = 0; i < *count; ++i) {
    const BackResult result = (debugger_.*step)();
    if (result == BackResult::Done) continue;
    if (result == BackResult::Nothing && i == 0) {
      Error("no history");
      return;
    }
    PrintLine("history: start");
    break;
  }
  PrintRegisters();
}

void DebugSession::NextCommand(const Words&) {
  debugger_.SetStepLimit(kDefaultRunLimit);
  if (debugger_.StepOver()) debugger_.RunToEnd();
  if (debugger_.LastStop().kind != StopKind::Finished) PrintStop(debugger_.LastStop());
  PrintRegisters();
}

void DebugSession::RunCommand(const Words& args) {
  const std::optional<uint64_t> limit = Count(args, kDefaultRunLimit);
  if (!limit) return;
  debugger_.SetStepLimit(*limit);
  if (debugger_.Go()) debugger_.RunToEnd();
  PrintStop(debugger_.LastStop());
  PrintRegisters();
}

// ---------------------------------------------------------------- breakpoints, watches, edits

void DebugSession::BreakCommand(const Words& args) {
  const std::optional<uint16_t> address = BreakpointAddress(args[0]);
  if (!address || machine_.breakpoints.Contains(*address)) return;
  if (!machine_.breakpoints.Add(*address))
    Error(Formatted("too many breakpoints (at most %d)", kMaxBreakpoints));
}

void DebugSession::DeleteCommand(const Words& args) {
  const std::optional<uint16_t> address = BreakpointAddress(args[0]);
  if (address && !machine_.breakpoints.Remove(*address)) {
    Error("no breakpoint at " + (HasHexPrefix(args[0]) ? args[0] : "line " + args[0]));
  }
}

void DebugSession::WatchCommand(const Words& args) {
  const std::optional<uint16_t> address = Address(args[0]);
  if (!address) return;
  const std::string& access = args[1];
  std::optional<WatchKind> kind;
  if (access == "r") kind = WatchKind::Read;
  if (access == "w") kind = WatchKind::Write;
  if (access == "rw") kind = WatchKind::ReadWrite;
  if (!kind) {
    Error("bad access: " + access + " (r, w or rw)");
  } else if (!debugger_.SetWatch(*address, *kind)) {
    Error(Formatted("too many watches (at most %d)", WatchList::kCapacity));
  }
}

void DebugSession::UnwatchCommand(const Words& args) {
  const std::optional<uint16_t> address = Address(args[0]);
  if (address && !debugger_.RemoveWatch(*address)) Error("no watch at " + args[0]);
}

void DebugSession::SetCommand(const Words& args) {
  const std::optional<Reg> reg = RegisterNamed(args[0]);
  if (!reg) {
    Error("unknown register: " + args[0]);
    return;
  }
  const std::optional<uint16_t> value = Value(args[1]);
  if (!value) return;
  debugger_.SetRegister(*reg, *value);
  PrintRegisters();
}

void DebugSession::PokeCommand(const Words& args) {
  const std::optional<uint16_t> address = Address(args[0]);
  if (!address) return;
  const std::optional<uint16_t> value = Value(args[1]);
  if (value) debugger_.Poke(*address, *value);
}

// ---------------------------------------------------------------- showing

void DebugSession::RegsCommand(const Words&) { PrintRegisters(); }

void DebugSession::MemCommand(const Words& args) {
  CliOptions::MemoryDump dump{};
  if (!ParseDump(args[0], dump)) {
    Error("bad memory range: " + args[0]);
    return;
  }
  device_.EndLine();
  cli_.DumpMemory(machine_, dump);
}

void DebugSession::StatsCommand(const Words&) {
  device_.EndLine();
  Tav2Cli::PrintCounts(out_, processor_.State());
}

void DebugSession::QuitCommand(const Words&) { quit_ = true; }

// ---------------------------------------------------------------- parts

std::optional<uint64_t> DebugSession::Count(const Words& args, uint64_t fallback) {
  if (args.empty()) return fallback;
  const std::optional<uint64_t> count = Decimal(args[0]);
  if (!count || *count == 0) {
    Error("bad count: " + args[0]);
    return std::nullopt;
  }
  return count;
}

std::optional<uint16_t> DebugSession::BreakpointAddress(const std::string& text) {
  if (HasHexPrefix(text)) return Address(text);
  const std::optional<uint64_t> line = Decimal(text);
  if (!line || *line == 0 || *line > static_cast<uint64_t>(std::numeric_limits<int>::max())) {
    Error("bad line or address: " + text);
    return std::nullopt;
  }
  const std::optional<uint16_t> address = debugger_.AddressOfLine(static_cast<int>(*line));
  if (!address) Error("line " + text + " has no instruction");
  return address;
}

std::optional<uint16_t> DebugSession::Address(const std::string& text) {
  uint16_t address = 0;
  if (ParseHexWord(text, address)) return address;
  Error("bad address: " + text);
  return std::nullopt;
}

std::optional<uint16_t> DebugSession::Value(const std::string& text) {
  uint16_t value = 0;
  if (ParseHexWord(text, value)) return value;
  Error("bad value: " + text);
  return std::nullopt;
}

bool DebugSession::StoppedByHalt() {
  if (!machine_.halted) return false;
  const RunState state = debugger_.Status().state;
  PrintStop({state == RunState::HaltedUnknownOperation ? StopKind::UnknownOperation : StopKind::Halted});
  return true;
}

void DebugSession::PrintStop(const StopReason& stop) {
  switch (stop.kind) {
    case StopKind::Halted: PrintLine("stopped: halted"); break;
    case StopKind::UnknownOperation: PrintLine("stopped: unknown operation"); break;
    case StopKind::Breakpoint: {
      const int line = debugger_.LineOf(stop.address);
      PrintLine(line > 0 ? Formatted("stopped: breakpoint line %d", line)
                         : Formatted("stopped: breakpoint %04X", stop.address));
      break;
    }
    case StopKind::Watch:
      PrintLine(Formatted("stopped: watch %04X %s", stop.address, stop.written ? "written" : "read"));
      break;
    case StopKind::InputEnded: PrintLine("stopped: input ended"); break;
    case StopKind::StepLimit: PrintLine("stopped: step limit"); break;
    case StopKind::None:
    case StopKind::Finished:
    case StopKind::HaltRequested:
    case StopKind::Reset: break;
  }
}

void DebugSession::PrintRegisters() {
  device_.EndLine();
  cli_.DumpRegisters(processor_.State());
}

void DebugSession::PrintLine(const std::string& text) {
  device_.EndLine();
  std::fprintf(out_, "%s\n", text.c_str());
}

void DebugSession::Error(const std::string& reason) { PrintLine("error: " + reason); }

}  // namespace tav2
