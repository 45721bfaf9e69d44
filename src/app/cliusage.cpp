#include "cliusage.h"

#include <algorithm>
#include <utility>

namespace tav2 {

namespace {

constexpr std::size_t kLineWidth = 79;
// An item's name longer than this puts its meaning on the next line.
constexpr std::size_t kWidestName = 22;
constexpr std::string_view kUsagePrefix = "usage: ";
constexpr std::string_view kProgram = "tav2-cli ";
// Command names are padded to this width in the usage lines.
constexpr std::size_t kCommandColumn = 3;

const CliUsage::Item kHelpItem{"--help", "print this help and exit"};
const CliUsage::Item kMicrocodeItem{"--microcode FILE",
                                    "load FILE (a .mca or .~mc file) into an empty micro-code ROM instead of "
                                    "the home directory's microdefs.~mc"};
const CliUsage::Item kStartItem{"--start HEX", "the address the program is assembled from (default 0000)"};
const CliUsage::Item kStackPointerItem{"--sp HEX", "the stack pointer after Reset (default 7FFF)"};

const CliUsage::Section kBuildFileStatus{"exit status",
                                         {{"0", "success"},
                                          {"1", "build errors"},
                                          {"64", "wrong command line"},
                                          {"66", "a file cannot be read"},
                                          {"74", "standard output cannot be written"}}};

const std::vector<CliUsage::Command>& Table() {
  static const std::vector<CliUsage::Command> commands = {
      {"run",
       {"[--microcode FILE] [--start HEX] [--sp HEX] [--max-steps N]",
        "[--echo] [--stats] [--regs] [--mem ADDR:COUNT]...",
        "[--trace FILE] [--trace-clocks FILE] PROGRAM.asm"},
       "assemble a program and run it on standard input and output",
       "Assembles and loads PROGRAM.asm, resets the processor and runs it until a halt opcode, the step "
       "limit, or the end of the input while the program waits for it. A breakpoint stop is resumed at "
       "once. The terminal services read standard input and write standard output; build errors go to "
       "standard error.",
       {{"options",
         {kMicrocodeItem,
          kStartItem,
          kStackPointerItem,
          {"--max-steps N", "stop after N micro-steps (exit status 3)"},
          {"--echo", "the read services echo what they read, as the screen does"},
          {"--stats",
           "print the instructions, micro-steps, seconds and micro-steps per second to standard error"},
          {"--regs", "after the run, print PC, SP, R1, R2, T1, A, B, C, IR, MDR, MAR and SR on one line"},
          {"--mem ADDR:COUNT",
           "after the run, print COUNT words from the hexadecimal address ADDR, eight to a line; may be "
           "given more than once"},
          {"--trace FILE", "write one JSON line per executed instruction to FILE"},
          {"--trace-clocks FILE", "write one JSON line per micro-step to FILE"},
          kHelpItem}},
        {"exit status",
         {{"0", "halted by HALT (opcode 6F)"},
          {"1", "build errors"},
          {"2", "halted by opcode 00 (its message on standard error)"},
          {"3", "the step limit was reached"},
          {"4", "the input ended while a read service waited"},
          {"64", "wrong command line"},
          {"66", "a file cannot be read"},
          {"73", "a trace file cannot be written"},
          {"74", "standard output cannot be written"}}}}},
      {"asm",
       {"[--microcode FILE] [--start HEX] [--listing FILE|-] PROGRAM.asm"},
       "assemble a program, writing its listing",
       "Assembles PROGRAM.asm against the micro-code without loading it. Build errors go to standard error.",
       {{"options",
         {kMicrocodeItem,
          kStartItem,
          {"--listing FILE|-",
           "write the listing to FILE (- for standard output); FILE is replaced whole or left as it was, "
           "and is never one of the build's own files"},
          kHelpItem}},
        {"exit status",
         {{"0", "assembled"},
          {"1", "build errors"},
          {"64", "wrong command line, or a listing file that is one of the build's own files"},
          {"66", "a file cannot be read"},
          {"73", "the listing file cannot be written"},
          {"74", "standard output cannot be written"}}}}},
      {"mc",
       {"FILE.mca"},
       "check a micro-code source",
       "Checks the micro-code source FILE.mca. Its errors go to standard error.",
       {{"options", {kHelpItem}}, kBuildFileStatus}},
      {"rom",
       {"[--microcode FILE]"},
       "print the micro-code ROM listing",
       "Loads the micro-code and prints the micro-code ROM listing as the three panes of the workbench's "
       "micro-code ROM view, top to bottom.",
       {{"options", {kMicrocodeItem, kHelpItem}}, kBuildFileStatus}},
      {"test",
       {"[--junit FILE] [--json FILE] [--csv FILE] [-j N] [--allow-any-include]",
        "CASES.toml PROGRAM.asm..."},
       "grade programs against a case file",
       "Runs every case of the TOML case file CASES.toml against each program and grades it, writing a "
       "report per program and a summary to standard output. A program that does not build fails all its "
       "cases. Includes are confined to the program's own directory and the home directory's include/.",
       {{"options",
         {{"--junit FILE", "write JUnit XML to FILE: one testsuite per program, one testcase per case"},
          {"--json FILE", "write the full result as JSON to FILE"},
          {"--csv FILE", "write one line per program to FILE: program,points,max_points,passed,failed"},
          {"-j N",
           "grade N programs at a time (default: the number of processor cores); the results do not "
           "depend on N"},
          {"--allow-any-include", "let trusted programs include any file"},
          kHelpItem}},
        {"case file keys",
         {{"microcode", "(top only) the micro-code file, relative to the case file"},
          {"[[case]]", "a case: the keys below"},
          {"name", "the case's name in the reports"},
          {"input", "the text the read services get"},
          {"points", "what passing the case earns (default 1)"},
          {"output", "the exact text the program must write"},
          {"output_contains", "a list of texts the output must contain"},
          {"exit", "halted (the default), unknown-operation, step-limit or input-ended"},
          {"registers", "register values at the end: { R1 = 0x000B, SR = 0x0004 }"},
          {"memory", "words at the end: { \"0x0200\" = [1, 2, 3] }"},
          {"max_instructions", "the most instructions the run may take"},
          {"start, sp", "the program start and the stack pointer"},
          {"max_steps", "the micro-step limit (default 100000000; also at the top)"},
          {"max_seconds", "the wall-clock limit (default 10; also at the top)"},
          {"max_output", "the output limit in bytes (default 1000000; also at the top)"}}},
        {"exit status",
         {{"0", "every case of every program passed"},
          {"1", "a case failed, or the case file's micro-code has build errors"},
          {"64", "wrong command line, or a case file that is not valid"},
          {"66", "the case file or its micro-code cannot be read"},
          {"73", "a report file cannot be written"},
          {"74", "standard output cannot be written"}}}}},
      {"debug",
       {"[--microcode FILE] [--start HEX] [--sp HEX] [--input FILE] PROGRAM.asm"},
       "debug a program with commands read from standard input",
       "Builds and loads PROGRAM.asm as run does, resets the processor and reads debugger commands from "
       "standard input, one a line, answering on standard output. Addresses and values are hexadecimal; "
       "counts and line numbers are decimal.",
       {{"options",
         {kMicrocodeItem,
          kStartItem,
          kStackPointerItem,
          {"--input FILE", "the keys the program reads (without it, the input is empty)"},
          kHelpItem}},
        {"debugger commands",
         {{"reset", "Reset the processor"},
          {"clock [N]", "N clocks (default 1)"},
          {"step [N]", "N instructions"},
          {"back [N]", "N instructions back"},
          {"backclock [N]", "N clocks back"},
          {"next", "one instruction, stepping over a call"},
          {"run [N]", "Go until a halt, a breakpoint, a watch, the end of the input or N micro-steps"},
          {"break LINE|0xADDR", "a breakpoint at a source line or an address"},
          {"delete LINE|0xADDR", "remove that breakpoint"},
          {"watch 0xADDR r|w|rw", "stop after an instruction that reads, writes or does either to the word"},
          {"unwatch 0xADDR", "remove that watch"},
          {"regs", "print the registers"},
          {"mem ADDR:COUNT", "print COUNT words from the address ADDR"},
          {"stats", "print the instructions and micro-steps since Reset"},
          {"set REG HEX", "set a register"},
          {"poke ADDR HEX", "write a memory word"},
          {"quit", "end the session"}}},
        {"exit status",
         {{"0", "quit, or the end of the commands"},
          {"1", "build errors"},
          {"64", "wrong command line"},
          {"66", "the program, the micro-code or the input file cannot be read"},
          {"74", "standard output cannot be written"}}}}},
  };
  return commands;
}

constexpr std::string_view kAbout =
    "Runs, checks, debugs and grades programs of the TAV2 processor without a window, with the micro-code, "
    "assembler and processor of the TAV2 Workbench.";
constexpr std::string_view kMoreHelp =
    "`tav2-cli COMMAND --help` describes a command. The manual page tav2-cli(1) and the manual "
    "help/TAV2.html in the home directory describe everything.";

const CliUsage::Section kProgramOptions{
    "options",
    {{"--help", "print this help and exit; after a command, that command's help"},
     {"--version", "print the version and exit"}}};

const CliUsage::Section kExitStatus{
    "exit status",
    {{"0", "success: halted by HALT (opcode 6F), the command succeeded, or every case passed"},
     {"1", "build errors, or a case failed"},
     {"2", "halted by opcode 00"},
     {"3", "the step limit was reached"},
     {"4", "the input ended while a read service waited"},
     {"64", "wrong command line"},
     {"66", "a file cannot be read"},
     {"73", "a listing, trace or report file cannot be written"},
     {"74", "standard output cannot be written"}}};

// `text` broken into lines of at most kLineWidth characters (a longer word
// stands alone), the first starting at column `column` (already written),
// the others indented to `indent`.
std::string Wrapped(std::string_view text, std::size_t column, std::size_t indent) {
  std::string result;
  std::size_t at = column;
  bool lineStart = true;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(' '), text.size());
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!lineStart && at + 1 + word.size() > kLineWidth) {
      result += '\n';
      result.append(indent, ' ');
      at = indent;
      lineStart = true;
    }
    if (!lineStart) {
      result += ' ';
      ++at;
    }
    result += word;
    at += word.size();
    lineStart = false;
  }
  return result + '\n';
}

std::string SectionText(const CliUsage::Section& section) {
  std::size_t width = 0;
  for (const CliUsage::Item& item : section.items) {
    if (item.name.size() <= kWidestName) width = std::max(width, item.name.size());
  }
  const std::size_t indent = 2 + width + 2;
  std::string text = std::string(section.title) + ":\n";
  for (const CliUsage::Item& item : section.items) {
    text += "  ";
    text += item.name;
    if (item.name.size() > width) {
      text += '\n';
      text.append(indent, ' ');
    } else {
      text.append(width - item.name.size() + 2, ' ');
    }
    text += Wrapped(item.meaning, indent, indent);
  }
  return text;
}

// The usage lines of a command after `prefix` ("usage: " or as many blanks).
std::string SynopsisText(const CliUsage::Command& command, std::string_view prefix) {
  std::string head = std::string(prefix) + std::string(kProgram) + std::string(command.name);
  head.append(kCommandColumn - std::min(kCommandColumn, command.name.size()), ' ');
  head += ' ';
  std::string text;
  for (std::size_t i = 0; i < command.synopsis.size(); ++i) {
    text += i == 0 ? head : std::string(head.size(), ' ');
    text += command.synopsis[i];
    text += '\n';
  }
  return text;
}

}  // namespace

const std::vector<CliUsage::Command>& CliUsage::Commands() { return Table(); }

const CliUsage::Command* CliUsage::Find(std::string_view name) {
  const auto found = std::find_if(Table().begin(), Table().end(),
                                  [name](const Command& command) { return command.name == name; });
  return found == Table().end() ? nullptr : &*found;
}

std::string CliUsage::Usage() {
  const std::string blanks(kUsagePrefix.size(), ' ');
  std::string text;
  for (const Command& command : Table()) text += SynopsisText(command, text.empty() ? kUsagePrefix : blanks);
  return text + blanks + std::string(kProgram) + "--help | COMMAND --help | --version\n";
}

std::string CliUsage::Help() {
  Section commands{"commands", {}};
  for (const Command& command : Table()) commands.items.push_back({command.name, command.summary});
  std::string text = Usage() + "\n" + Wrapped(kAbout, 0, 0);
  for (const Section* section : {&std::as_const(commands), &kProgramOptions, &kExitStatus}) {
    text += "\n" + SectionText(*section);
  }
  return text + "\n" + Wrapped(kMoreHelp, 0, 0);
}

std::string CliUsage::Help(const Command& command) {
  std::string text = SynopsisText(command, kUsagePrefix) + "\n" + Wrapped(command.description, 0, 0);
  for (const Section& section : command.sections) text += "\n" + SectionText(section);
  return text;
}

std::string CliUsage::Version() { return "tav2-cli (TAV2 Workbench) " TAV2_VERSION "\n"; }

}  // namespace tav2
