#pragma once
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/sim/debugger.h"
#include "core/sim/keyreplaydevice.h"
#include "core/sim/machine.h"
#include "core/sim/processor.h"
#include "core/sim/screengrid.h"
#include "core/sim/terminal.h"
#include "streamterminal.h"

namespace tav2 {

class Tav2Cli;

// The commands of tav2-cli debug, one a line, on a loaded program: its
// processor, a terminal on the key file and standard output, and a
// debugger with its history recording on.
//
//   reset, clock [N], step [N], back [N], backclock [N], next, run [N]
//       act and print the register line as run --regs does; a command
//       that could not do all it was asked first prints one line
//       "stopped: halted", "stopped: unknown operation", "stopped:
//       breakpoint line N", "stopped: watch ADDR written|read", "stopped:
//       input ended" or "stopped: step limit" (run always does);
//       back and backclock print "history: start" when they reached it.
//       run and next stop after kDefaultRunLimit micro-steps, run after N.
//   break LINE|0xADDR, delete LINE|0xADDR, watch 0xADDR r|w|rw,
//   unwatch 0xADDR, poke ADDR HEX     print nothing;
//   set REG HEX                        prints the register line;
//   regs, mem ADDR:COUNT, stats        print the registers, a dump as
//       run --mem does, the instructions and micro-steps as run --stats;
//   quit                               ends the session.
// A command that cannot be done prints "error: " and why, and changes
// nothing. Blank lines are passed over. What the program writes goes to
// standard output as it is written; every line of the session's own starts
// on a line of its own.
class DebugSession {
 public:
  static constexpr uint64_t kDefaultRunLimit = 10'000'000;

  DebugSession(Tav2Cli& cli, Machine& machine, const std::string& programText, std::FILE* keys,
               std::FILE* out, std::FILE* err);
  DebugSession(const DebugSession&) = delete;
  DebugSession& operator=(const DebugSession&) = delete;

  // Carries out the commands of `commands` until quit or their end.
  void Run(std::FILE* commands);

 private:
  using Words = std::vector<std::string>;
  struct Command;
  static const Command kCommands[];

  // The processor's display: the halt message goes to standard error.
  class MessageDisplay final : public ProcessorDisplay {
   public:
    explicit MessageDisplay(std::FILE* err) : err_(err) {}
    void ShowError(const std::string& text) override { std::fprintf(err_, "%s\n", text.c_str()); }

   private:
    std::FILE* err_;
  };

  // False after quit.
  bool Execute(const std::string& line);

  void ResetCommand(const Words& args);
  void ClockCommand(const Words& args);
  void StepCommand(const Words& args);
  void BackCommand(const Words& args);
  void BackClockCommand(const Words& args);
  void NextCommand(const Words& args);
  void RunCommand(const Words& args);
  void BreakCommand(const Words& args);
  void DeleteCommand(const Words& args);
  void WatchCommand(const Words& args);
  void UnwatchCommand(const Words& args);
  void RegsCommand(const Words& args);
  void MemCommand(const Words& args);
  void StatsCommand(const Words& args);
  void SetCommand(const Words& args);
  void PokeCommand(const Words& args);
  void QuitCommand(const Words& args);

  void Repeat(const Words& args, bool (Debugger::*action)());
  void GoBack(const Words& args, BackResult (Debugger::*step)());
  // The count of clock, step, back, backclock and run: 1 (or `fallback`)
  // when not given; none (after an error) when it is no positive number.
  std::optional<uint64_t> Count(const Words& args, uint64_t fallback = 1);
  // A breakpoint's address from a line number or "0x" and an address;
  // none after an error.
  std::optional<uint16_t> BreakpointAddress(const std::string& text);
  std::optional<uint16_t> Address(const std::string& text);
  std::optional<uint16_t> Value(const std::string& text);

  void PrintStop(const StopReason& stop);
  // "stopped: ..." when the processor is halted; true then.
  bool StoppedByHalt();
  void PrintRegisters();
  void PrintLine(const std::string& text);
  void Error(const std::string& reason);

  Tav2Cli& cli_;
  Machine& machine_;
  std::FILE* out_;
  MessageDisplay display_;
  Processor processor_;
  ScreenGrid grid_;
  StreamTerminal device_;
  KeyReplayDevice keys_;
  Terminal terminal_;
  Debugger debugger_;
  bool quit_ = false;
};

}  // namespace tav2
