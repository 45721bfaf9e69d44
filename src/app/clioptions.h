#pragma once
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tav2 {

// The command line of tav2-cli, checked: a command and its options.
struct CliOptions {
  struct MemoryDump {
    uint16_t address;
    int count;
  };

  std::string command;   // run, asm, mc, rom, test or debug; empty for the program's own --help and --version
  bool help = false;     // --help: print the usage of the command, or of the program
  bool version = false;  // --version
  std::optional<std::string> microcode;
  std::optional<uint16_t> start;
  std::optional<uint16_t> stackPointer;
  std::optional<uint64_t> maxSteps;
  bool echo = false;
  bool stats = false;
  bool regs = false;
  std::vector<MemoryDump> dumps;
  std::optional<std::string> listing;
  // run: the instruction trace and the micro-step trace.
  std::optional<std::string> trace;
  std::optional<std::string> traceClocks;
  // test: the report files, the number of threads, no include confinement.
  std::optional<std::string> junit;
  std::optional<std::string> json;
  std::optional<std::string> csv;
  std::optional<unsigned> jobs;
  bool allowAnyInclude = false;
  std::optional<std::string> input;   // debug: the file the program's keys come from
  std::string file;                   // test: the case file
  std::vector<std::string> programs;  // test: the programs graded

  // The options, or the reason they are wrong.
  static std::optional<CliOptions> Parse(const std::vector<std::string>& args, std::string& error);

  // The commands the parser takes, and the options it takes after each
  // (besides --help, which every command takes).
  static const std::vector<std::string>& Commands();
  static const std::set<std::string>& OptionsOf(const std::string& command);
};

// A hex word, with or without "0x"; false when `text` is none.
bool ParseHexWord(const std::string& text, uint16_t& value);
// "ADDR:COUNT" of --mem (and of tav2-cli debug's mem command).
bool ParseDump(const std::string& text, CliOptions::MemoryDump& dump);

}  // namespace tav2
