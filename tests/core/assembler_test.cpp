#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/lang/buildreporter.h"
#include "core/lang/assembler.h"
#include "core/sim/disassemble.h"
#include "support/simsupport.h"
#include "support/tempdir.h"
#include "core/util/atomicfilewriter.h"

namespace tav2 {
namespace {

class RecordingReporter : public BuildReporter {
 public:
  std::vector<std::string> log;

  void ShowWarning(const std::string& text) override { log.push_back("warning " + text); }
  void ShowInfo(const std::string& text) override { log.push_back("info " + text); }
  void MemoryLoaded() override { log.push_back("memory loaded"); }
  void ListingWritten() override { log.push_back("listing written"); }
};

// The mnemonics the tests assemble against, named in the ROM by hand as a
// loaded micro-code names them.
// clang-format off
const std::pair<int, const char*> kMnemonics[] = {
    {0x01, "ADD"},
    {0x02, "MOVE"},
    {0x11, "INC"},
    {0x20, "LEA"},
    {0x21, "X21"},
    {0x30, "B30"},
    {0x31, "BCS"},
    {0x3F, "BRA"},
    {0x40, "JMP"},
    {0x50, "JSR"},
    {0x52, "X52"},
    {0x53, "BSR"},
    {0x60, "NOP"},
    {0x6F, "HALT"},
    {0x81, "STORE"},
    {0xA0, "XA0"},
    {0xE0, "TRAP0"},
    {0xF0, "Fetch"},
    {0xFF, "SYS"},
};
// clang-format on

struct Rig {
  std::unique_ptr<Machine> machine = std::make_unique<Machine>();
  test::TempDir dir;
  std::filesystem::path listingPath = dir.Path() / "assembler output.~zj";
  RecordingReporter reporter;
  Assembler assembler{*machine};

  explicit Rig(bool withMnemonics = true) {
    if (withMnemonics) {
      for (const auto& [opcode, name] : kMnemonics) {
        machine->mcrom.SetEntry(opcode, test::Entry(name, static_cast<uint32_t>(opcode), 0, {}));
      }
    }
    assembler.SetListingSink([this](std::string_view listing, const std::vector<std::string>&) {
      return !AtomicFileWriter::Replace(listingPath, listing);
    });
    assembler.SetReporter(&reporter);
  }

  bool Load(const std::string& text) {
    assembler.loadAfterBuild = true;
    return assembler.ParseSource(text, "prog.asm");
  }
  bool Make(const std::string& text) {
    assembler.loadAfterBuild = false;
    return assembler.ParseSource(text, "prog.asm");
  }
  std::vector<uint16_t> Words(uint16_t address, int count) const {
    std::vector<uint16_t> words;
    for (int i = 0; i < count; ++i) words.push_back(machine->memory.Read(static_cast<uint16_t>(address + i)));
    return words;
  }
  std::string FirstError() const {
    return assembler.Errors().empty() ? "(none)" : assembler.Errors()[0].message;
  }
  std::string Listing() const {
    std::ifstream file(listingPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
};

using Words = std::vector<uint16_t>;

// Each source, loaded over memory filled with 0x5555, gives these words
// from `address` on.
TEST(Assembler, SourcesGiveTheirWords) {
  struct Case {
    std::string source;
    uint16_t address;
    Words words;
  };
  const Case cases[] = {
      // Operand forms.
      {"NOP", 0, {0x6000}},
      {"JMP 0x1234", 0, {0x4010, 0x1234}},
      {"JMP (0x1234)", 0, {0x4018, 0x1234}},
      {"JMP [R1}", 0, {0x4009}},
      {"JMP R2", 0, {0x4002}},
      {"INC {SP]", 0, {0x110E}},
      {"JMP +4", 0, {0x4010, 4}},
      {"ADD R1, R2", 0, {0x0122}},
      {"add pc, sp", 0, {0x01E6}},
      {"ADD R1, 5", 0, {0x0130, 5}},
      {"ADD R1, -1", 0, {0x0130, 0xFFFF}},
      {"ADD R2, (0x10)", 0, {0x0158, 0x0010}},
      {"ADD R2, (PC)", 0, {0x014F}},
      {"LEA R1, R2", 0, {0x202A}},
      {"LEA R1, (5)", 0, {0x2038, 5}},
      {"SYS 3", 0, {0xFF10, 3}},
      {"JMP here\nhere NOP", 0, {0x4010, 2, 0x6000}},
      {"STORE R1, (there + 1) ; to memory\nthere DAT 9", 0, {0x8138, 3, 9}},
      {"NOP\nLOOP ADD R1, R2\nDAT loop", 1, {0x0122, 1}},
      {"LongLabelNumberOne1 NOP\nLongLabelNumberOne2 HALT\nDAT longlabelnumberone2", 2, {1}},
      // Relative branches count from the word after the instruction.
      {"ORG 0x10\nBCS target\nORG 0x20\ntarget NOP", 0x10, {0x3110, 0x000E}},
      {"back NOP\nBRA back", 1, {0x3F10, 0xFFFD}},
      {"B30 next\nnext NOP", 0, {0x3010, 0}},
      {"BSR 0x10", 0, {0x5310, 0x000E}},
      {"JSR 0x10", 0, {0x5010, 0x10}},
      {"X52 0x10", 0, {0x5210, 0x10}},
      {"JMP 0x10", 0, {0x4010, 0x10}},
      // Directives; END_ shows where the counter stands.
      {"DAT 1, 2, 3\nEND_ DAT 0xEEEE", 0, {1, 2, 3, 0xEEEE}},
      {"DAT 1,2,3,4,5,6,7,8,9,10,11,12\nEND_ DAT 0xEEEE", 11, {12, 0xEEEE}},
      {"DAT\nEND_ DAT 0xEEEE", 0, {0xEEEE}},
      {"STR \"AB\"\nEND_ DAT 0xEEEE", 0, {0x41, 0x42, 0, 0xEEEE}},
      {"STR \"a#\nEND_ DAT 0xEEEE", 0, {0x61, 0, 0xEEEE}},
      {"RES 3\nEND_ DAT 0xEEEE", 0, {0, 0, 0, 0xEEEE}},
      {"ORG 2\nEND_ DAT 0xEEEE", 0, {0x5555, 0x5555, 0xEEEE}},
      {"X EQU 5 * 2\nDAT X", 0, {10, 0x5555}},
      {"ORG 3 - 1\nORG ~ - 1\nEND_ DAT 0xEEEE", 0, {0x5555, 0xEEEE}},
      {"NOP\nNOP\nDAT ~, ~ + 1\nDAT ~", 2, {2, 3, 4}},
      {"DAT '\nDAT 1", 0, {13, 1}},
      {"NOP\nEND\nthis is ! not read", 0, {0x6000, 0x5555}},
      {"not ! assembled ## NOP\nHALT\n##\nnot ! read", 0, {0x6000, 0x6F00, 0x5555}},
      {"STR \"" + std::string(300, 'x') + "\"\nafter DAT 7", 252, {'x', 0, 7}},
      // 65536 is a number like any other, cut to 16 bits where a word is made.
      {"X EQU 65536\nDAT X, X + 1", 0, {0, 1, 0x5555}},
      {"ORG 65536\nEND_ DAT 0xEEEE", 0, {0xEEEE, 0x5555}},
      {"ORG 0x10000 + 2\nEND_ DAT 0xEEEE", 0, {0x5555, 0x5555, 0xEEEE}},
      {"RES 65536", 0, Words(16, 0)},
      {"MOVE R1, 65536", 0, {0x0230, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    Rig rig;
    for (uint16_t a = 0; a < 16; ++a) rig.machine->memory.Write(a, 0x5555);
    EXPECT_TRUE(rig.Load(c.source)) << c.source << ": " << rig.FirstError();
    EXPECT_EQ(rig.Words(c.address, static_cast<int>(c.words.size())), c.words);
  }
}

TEST(Assembler, ExpressionsCombineFromLeftToRight) {
  const std::pair<const char*, uint16_t> cases[] = {
      {"10 - 3 - 2", 5},
      {"100 / 10 / 5", 2},
      {"8 - 2 - 1 + 1", 6},
      {"-2 * 3", 0xFFFA},
      {"2 * 3 + 4", 10},
      {"2 + 3 * 4", 14},
      {"+7", 7},
      {"-7 / 2", 0xFFFD},
      {"'A", 65},
      {"'A + 1", 66},
      {"'a", 97},
      {"0x12345", 0x2345},
      {"1.9", 1},
      {"0b101 * 2", 10},
      {"0x7FFFFFFF * 0x7FFFFFFF", 1},
      {"0x80000000 / 0xFFFFFFFF", 0},
      {"K * 2 - K", 7},
      {"-K", 0xFFF9},
  };
  for (const auto& [expression, value] : cases) {
    Rig rig;
    EXPECT_TRUE(rig.Load(std::string("DAT ") + expression + "\nK EQU 7"))
        << expression << ": " << rig.FirstError();
    EXPECT_EQ(rig.Words(0, 1), Words{value}) << expression;
  }
}

TEST(Assembler, OperandCountIsCheckedAtTheEndOfTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      // line, message (nullptr: accepted)
      {"ADD R1", "This instruction needs 2 operands!"},
      {"ADD R1, R2", nullptr},
      {"STORE R1", "This instruction needs 2 operands!"},
      {"LEA R1", "This instruction needs 2 operands!"},
      {"INC", "This instruction needs 1 operand!"},
      {"JMP R1, R2", "This instruction needs 1 operand!"},
      {"BCS", "This instruction needs 1 operand!"},
      {"SYS", "This instruction needs 1 operand!"},
      {"NOP R1 ; comment", "This instruction does not have operand(s)!"},
      {"TRAP0 5", "This instruction does not have operand(s)!"},
      {"HALT", nullptr},
      {"X21", nullptr},
      {"XA0 R1, R2", nullptr},
      {"Fetch R1", nullptr},
  };
  for (const auto& [line, message] : cases) {
    Rig rig;
    const std::string text = std::string("NOP\n") + line + "\nNOP";
    rig.Make(text);
    if (message == nullptr) {
      EXPECT_TRUE(rig.assembler.Errors().empty()) << line << ": " << rig.FirstError();
      continue;
    }
    ASSERT_EQ(rig.assembler.Errors().size(), 1u) << line;
    const BuildError& error = rig.assembler.Errors()[0];
    EXPECT_EQ(error.message, message) << line;
    EXPECT_EQ(error.line, 0);
    EXPECT_EQ(error.position, static_cast<int>(text.find('\n', 4))) << line;
  }
}

TEST(Assembler, FailuresAreReportedWithTheirMessages) {
  struct Case {
    const char* source;
    const char* message;
    int line;
    int column;
  };
  const Case cases[] = {
      {"A NOP\na NOP", "label a allready exists", 2, 6},
      {"JMP nowhere", "Undefined constant or label: nowhere", 1, 5},
      {"DAT 1 + )", "syntax error in immediate operand: value expected, found \")\"", 1, 9},
      {"DAT 1 +", "syntax error in immediate operand: value expected, found the end of the line", 1, 8},
      {"DAT \"x\"", "syntax error in immediate operand: value expected, found the string \"x\"", 1, 5},
      {"ADD R1, ,", "Unvalid second operand: register, bracket or value expected, found \",\"", 1, 9},
      {"ADD R1, \"s\"", "Unvalid second operand: register, bracket or value expected, found the string \"s\"",
       1, 9},
      {"JMP (-1)", "Unvalid indirect operand: register or value expected, found \"-\"", 1, 6},
      {"DEX R2", "unknown instruction \"DEX\"", 1, 1},
      {"  DEX 5", "unknown instruction \"DEX\"", 1, 3},
      {"loop DEX R2", "unknown instruction \"DEX\"", 1, 6},
      {"loop DEX", "unknown instruction \"DEX\"", 1, 6},
      {"ADD 5, R1", "first operand: register expected before ',', found \"5\"", 1, 5},
      {"JMP (R1", " ')' expected", 1, 8},
      {"DAT 4 / 0", "expression: divide by zero", 1, 10},
      {"EQU 5", "EQU: syntaxerror", 1, 6},
      {"X EQU Y\nY NOP", "EQU: unvalid operand", 1, 1},
      {"X EQU", "EQU: unvalid operand", 1, 6},
      {"ORG later\nlater NOP", "ORG: unvalid operand", 1, 1},
      {"RES later\nlater NOP", "RES: unvalid operand", 1, 1},
      {"X EQU Y + 1\nY NOP", "EQU: unvalid operand", 1, 1},
      {"ORG 2 * later\nlater NOP", "ORG: unvalid operand", 1, 1},
      {"STR", "STRING: no quoted string found", 1, 4},
      {"STR \"a#b\"", " ';' expected", 1, 8},
      {"DAT 'A'B", " ';' expected", 1, 7},
      {"LOOP: ADD R1, R2", " ';' expected", 1, 5},
      {"NOP\nORG 0\nHALT", "Memory overwrite in code at address 0X0000: 6F00", 0, 0},
      {"ORG 0xFFFF\nDAT 1, 2\nORG 0\nNOP", "Memory overwrite in code at address 0X0000: 6000", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    Rig rig;
    EXPECT_FALSE(rig.Load(c.source));
    ASSERT_FALSE(rig.assembler.Errors().empty());
    const BuildError& error = rig.assembler.Errors()[0];
    EXPECT_EQ(error.message, c.message);
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.column, c.column);
    EXPECT_EQ(error.fileName, "prog.asm");
    EXPECT_TRUE(rig.reporter.log.empty()) << c.source << ": no message after errors";
    EXPECT_EQ(rig.machine->memory.Read(0), 0) << c.source << ": nothing is loaded";
  }
  // The text position: the offending token, the end of a last line without
  // a line end, the start for an overwrite.
  for (const auto& [source, position] :
       {std::pair{"NOP\nLOOP: ADD R1, R2", 8}, {"NOP\nADD R1", 10}, {"NOP\nORG 0\nNOP", 0}}) {
    Rig rig;
    rig.Make(source);
    ASSERT_EQ(rig.assembler.Errors().size(), 1u) << source;
    EXPECT_EQ(rig.assembler.Errors()[0].position, position) << source;
  }
}

// Loading hands the labels of the program's lines to the views, which
// then read a relative branch as the source wrote it.
TEST(Assembler, LoadingKeepsTheLabelsOfTheProgramsLines) {
  Rig rig;
  ASSERT_TRUE(rig.Load("count EQU 5\nbegin MOVE R1, count\nloop BCS loop\n   BRA done\ndone HALT"))
      << rig.FirstError();
  const ProgramLabels& labels = rig.machine->labels;
  EXPECT_EQ(labels.FindAddress("begin"), 0x0000);
  EXPECT_EQ(labels.FindAddress("loop"), 0x0002);
  EXPECT_EQ(labels.FindAddress("done"), 0x0006);
  EXPECT_EQ(labels.FindAddress("count"), std::nullopt) << "a constant names no address";
  std::string text;
  Disassemble(rig.machine->memory, rig.machine->mcrom, 0x0002, text, &labels);
  EXPECT_EQ(text, "BCS loop");
  Disassemble(rig.machine->memory, rig.machine->mcrom, 0x0004, text, &labels);
  EXPECT_EQ(text, "BRA done");
  Disassemble(rig.machine->memory, rig.machine->mcrom, 0x0002, text);
  EXPECT_EQ(text, "BCS FFFE") << "without the labels the stored offset shows";

  ASSERT_TRUE(rig.Make("other HALT"));
  EXPECT_EQ(labels.FindAddress("loop"), 0x0002) << "only loading replaces the labels";
  EXPECT_FALSE(rig.Load("here NOP\nJSR nowhere")) << "a failed load keeps them too";
  EXPECT_EQ(labels.FindAddress("loop"), 0x0002);
  ASSERT_TRUE(rig.Load("start HALT"));
  EXPECT_EQ(labels.FindAddress("loop"), std::nullopt);
  EXPECT_EQ(labels.FindAddress("start"), 0x0000);
}

TEST(Assembler, MnemonicsAreTheRomNamesOfEachBuild) {
  Rig bare(false);
  bare.Load("ADD R1, R2");
  ASSERT_EQ(bare.assembler.Errors().size(), 1u) << "without micro-code no word is a mnemonic";
  EXPECT_EQ(bare.assembler.Errors()[0].message, "unknown instruction \"ADD\"");
  EXPECT_EQ(bare.assembler.Errors()[0].column, 1);
  EXPECT_TRUE(bare.Load("HALT\nNOP"));
  EXPECT_EQ(bare.reporter.log, (std::vector<std::string>{"warning No code", "listing written"}));

  Rig rig;
  rig.machine->mcrom.SetEntry(0x62, test::Entry("ABCDEFGHIJKLMNOP", 0x62, 0, {}));
  rig.machine->mcrom.SetEntry(0x63, test::Entry("Twice", 0x63, 0, {}));
  rig.machine->mcrom.SetEntry(0x64, test::Entry("TWICE", 0x64, 0, {}));
  ASSERT_TRUE(rig.Load("abcdefghijklmnop\nABCDEFGHIJKLMNOPQ\ntwice\nDAT abcdefghijklmnopq"));
  EXPECT_EQ(rig.Words(0, 3), (Words{0x6200, 0x6300, 0x0001})) << "whole names, the first of equal ones";
  rig.machine->mcrom.SetEntry(0x64, test::Entry("", 0, 0, {}));
  rig.machine->mcrom.SetEntry(0x63, test::Entry("", 0, 0, {}));
  rig.machine->mcrom.SetEntry(0x65, test::Entry("twice", 0x65, 0, {}));
  ASSERT_TRUE(rig.Load("TWICE"));
  EXPECT_EQ(rig.Words(0, 1), Words{0x6500}) << "the ROM is read again at every build";
  ASSERT_TRUE(rig.Load("X NOP"));
  EXPECT_FALSE(rig.Load("JMP X"));
  EXPECT_EQ(rig.FirstError(), "Undefined constant or label: X") << "labels do not survive a build";
}

TEST(Assembler, LongMnemonicsAreFoundByTheirWholeNames) {
  Rig rig;
  rig.machine->mcrom.SetEntry(0x66, test::Entry("MULTIPLY_BY_TWO_REGISTER", 0x66, 0, {}));
  rig.machine->mcrom.SetEntry(0x67, test::Entry("MULTIPLY_BY_TWO_REGISTER_PLUS1", 0x67, 0, {}));
  ASSERT_TRUE(rig.Load("multiply_by_two_register_plus1\nMULTIPLY_BY_TWO_REGISTER")) << rig.FirstError();
  EXPECT_EQ(rig.Words(0, 2), (Words{0x6700, 0x6600}));
  ASSERT_TRUE(rig.Load("NOP\nMULTIPLY_BY_TWO_ DAT MULTIPLY_BY_TWO_")) << rig.FirstError();
  EXPECT_EQ(rig.Words(0, 2), (Words{0x6000, 1})) << "a name's first 16 characters are a label, no mnemonic";
}

TEST(Assembler, ListingLinesByteForByte) {
  Rig rig;
  ASSERT_TRUE(
      rig.Make("; program\n"
               "begin   MOVE R1, 5      ; load\n"
               "\tADD R1, R2 // note\n"
               "TEN     EQU 10\n"
               "        DAT 1, 2\n"
               "        STR \"hi\"\n"
               "        RES 2\n"
               "        ORG 0x20\n"
               "        JMP begin\n"
               "        END\n"));
  EXPECT_EQ(rig.Listing(),
            "\t\t\t; program\r\n"
            "0000\t0230\t0005\tbegin   MOVE R1, 5      ; load\r\n"
            "0002\t0122\t\t\tADD R1, R2 // note\r\n"
            "\t\t\tTEN     EQU 10\r\n"
            "0003\t\t\t        DAT 1, 2\r\n"
            "0005\t\t\t        STR \"hi\"\r\n"
            "0008\t\t\t        RES 2\r\n"
            "000A\t\t\t        ORG 0x20\r\n"
            "0020\t4010\t0000\t        JMP begin\r\n"
            "0022\t\t\t        END\r\n");

  ASSERT_TRUE(rig.Make("NOP ; caf\xC3\xA9\nNOP ; " + std::string(1200, 'c')));
  EXPECT_EQ(rig.Listing(), "0000\t6000\t\tNOP ; caf\r\n0001\t6000\t\t" +
                               ("NOP ; " + std::string(1200, 'c')).substr(0, 1000) + "\r\n")
      << "a line ends at a control or non-ASCII character, and after 1000";
}

TEST(Assembler, ListingEndsAtTheFirstErrorOfPassTwo) {
  Rig rig;
  rig.Make("NOP\nORG 0\nHALT\nNOP\n");
  EXPECT_EQ(rig.Listing(), "0000\t6000\t\tNOP\r\n0001\t\t\tORG 0\r\n0000\t6F00\t\tHALT\r\n");
  rig.Make("NOP\nJMP nowhere\nNOP\n");
  EXPECT_EQ(rig.Listing(), "0000\t6000\t\tNOP\r\n");
  std::ofstream(rig.listingPath) << "old listing";
  rig.Make("NOP\nX EQU\n");
  EXPECT_TRUE(std::filesystem::exists(rig.listingPath));
  EXPECT_EQ(rig.Listing(), "") << "the listing is emptied at the start of a build";
}

TEST(Assembler, LineMapHoldsTheStartOfEachLine) {
  Rig rig;
  const std::string text = "begin NOP\n\n  ADD R1, R2\nX DAT 7, 8\n  JMP X\n";
  ASSERT_TRUE(rig.Make(text));
  const LineMap& map = rig.machine->lineMap;
  EXPECT_EQ(map.At(0), 0);
  EXPECT_EQ(map.At(1), static_cast<int>(text.find("  ADD")));
  EXPECT_EQ(map.At(2), static_cast<int>(text.find("X DAT")));
  EXPECT_EQ(map.At(3), 0) << "only the first address of a line";
  EXPECT_EQ(map.At(4), static_cast<int>(text.find("  JMP")));
  const std::string afterMarker = "notes ## NOP\nHALT";
  ASSERT_TRUE(rig.Make(afterMarker));
  EXPECT_EQ(map.At(0), static_cast<int>(afterMarker.find("##") + 2));
  EXPECT_EQ(map.At(1), static_cast<int>(afterMarker.find("HALT")));
  ASSERT_TRUE(rig.Make("; " + std::string(70000, 'c') + "\nNOP"));
  EXPECT_EQ(map.At(0), 70003) << "positions beyond sixteen bits";
}

TEST(Assembler, BreakpointMarksRecordTheirAddressesUpToTheCapacity) {
  Rig rig;
  ASSERT_TRUE(rig.Make("##\nNOP\n#  ADD R1, R2\n#NOP\n  NOP\n# X EQU 5\n##\n# NOP"));
  const BreakpointList& marks = rig.machine->breakpoints;
  ASSERT_EQ(marks.Count(), 3);
  EXPECT_EQ(std::vector<int>({marks.At(0), marks.At(1), marks.At(2)}), std::vector<int>({1, 2, 4}));
  ASSERT_TRUE(rig.Make("NOP"));
  EXPECT_EQ(marks.Count(), 0) << "every build starts a new list";
  std::string text;
  for (int i = 0; i < 70; ++i) text += "# NOP\n";
  ASSERT_TRUE(rig.Make(text));
  ASSERT_EQ(marks.Count(), BreakpointList::kCapacity);
  EXPECT_EQ(marks.At(64), 64);
}

TEST(Assembler, WarningsAndInformation) {
  struct Case {
    bool load = false, run = false, breakpointsOnly = false;
    const char* source;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {.source = "NOP", .log = {"info Program assembled", "listing written"}},
      {.load = true,
       .source = "begin NOP",
       .log = {"memory loaded", "info Program loaded", "listing written"}},
      {.load = true,
       .source = "NOP",
       .log = {"memory loaded", "warning LOAD: No begin label found", "info Program loaded",
               "listing written"}},
      {.load = true, .run = true, .source = "BEGIN NOP", .log = {"memory loaded", "listing written"}},
      {.load = true, .source = "X EQU 5", .log = {"warning LOAD: no data found", "listing written"}},
      {.load = true, .source = "; only a comment\nlabel", .log = {"warning No code", "listing written"}},
      {.breakpointsOnly = true, .source = "NOP", .log = {}},
      {.breakpointsOnly = true, .source = "label", .log = {"warning No code"}},
      {.load = true, .source = "JMP nowhere", .log = {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    Rig rig;
    rig.assembler.loadAfterBuild = c.load;
    rig.assembler.runAfterLoad = c.run;
    rig.assembler.breakpointsOnly = c.breakpointsOnly;
    rig.assembler.ParseSource(c.source, "prog.asm");
    EXPECT_EQ(rig.reporter.log, c.log);
  }
}

TEST(Assembler, OnlyALoadChangesMemoryAndTheStartAddress) {
  Rig rig;
  rig.assembler.programStart = 0x100;
  ASSERT_TRUE(rig.Make("Begin NOP"));
  EXPECT_EQ(rig.machine->memory.Read(0x100), 0);
  EXPECT_EQ(rig.machine->startAddress, 0);
  rig.machine->memory.Write(0x102, 0x7777);
  ASSERT_TRUE(rig.Load("NOP\nBegin HALT\nORG 0x103\nDAT 5"));
  EXPECT_EQ(rig.Words(0x100, 4), (Words{0x6000, 0x6F00, 0x7777, 0x0005}));
  EXPECT_EQ(rig.machine->startAddress, 0x101);
  ASSERT_TRUE(rig.Load("ORG 0x200\nNOP"));
  EXPECT_EQ(rig.machine->startAddress, 0x100) << "without a begin label the program start";

  Rig marks;
  std::ofstream(marks.listingPath) << "old listing";
  marks.assembler.breakpointsOnly = true;
  ASSERT_TRUE(marks.Make("begin NOP\n# HALT"));
  EXPECT_EQ(marks.machine->memory.Read(0), 0);
  EXPECT_EQ(marks.Listing(), "old listing") << "no listing is written";
  EXPECT_EQ(marks.machine->breakpoints.Count(), 1);
  EXPECT_EQ(marks.machine->lineMap.At(1), 10);
}

TEST(Assembler, IncludedFiles) {
  Rig rig;
  rig.assembler.SetIncludeDirectories(rig.dir.Path() / "inc", rig.dir.Path());
  std::ofstream(rig.dir.Path() / "sub.inc", std::ios::binary) << "INC R1\nINC R2\n";
  std::ofstream(rig.dir.Path() / "end.inc", std::ios::binary) << "INC R1\nEND\n";
  const std::string text = "NOP\n#include \"sub.inc\"\nHALT\n";
  ASSERT_TRUE(rig.Load(text)) << rig.FirstError();
  EXPECT_EQ(rig.Words(0, 4), (Words{0x6000, 0x1101, 0x1102, 0x6F00}));
  EXPECT_EQ(rig.machine->lineMap.At(1), 4) << "included lines map to the include line";
  EXPECT_EQ(rig.machine->lineMap.At(2), 4);
  EXPECT_EQ(rig.machine->lineMap.At(3), static_cast<int>(text.find("HALT")));
  EXPECT_NE(rig.Listing().find("0002\t1102\t\tINC R2\r\n"), std::string::npos);

  ASSERT_TRUE(rig.Load("NOP\n#include \"end.inc\"\nHALT\n")) << rig.FirstError();
  EXPECT_EQ(rig.Words(0, 4), (Words{0x6000, 0x1101, 0x1102, 0x6F00})) << "END in an include ends both passes";
  ASSERT_TRUE(rig.Load("JMP 0")) << "the next build reads its own text";
  EXPECT_EQ(rig.Words(0, 1), Words{0x4010});
}

// The sink gets the listing with the files the includes read. One that
// cannot keep it gets neither "Program assembled" nor the notice that the
// listing was written; a load goes on.
TEST(Assembler, TheListingSinkGetsTheIncludedFilesAndMayFail) {
  Rig rig;
  rig.assembler.SetIncludeDirectories(rig.dir.Path() / "inc", rig.dir.Path());
  std::ofstream(rig.dir.Path() / "sub.inc", std::ios::binary) << "INC R1\n";
  std::string listing;
  std::vector<std::string> included;
  bool keeps = false;
  rig.assembler.SetListingSink([&](std::string_view text, const std::vector<std::string>& files) {
    listing = text;
    included = files;
    return keeps;
  });
  ASSERT_TRUE(rig.Make("NOP\n#include \"sub.inc\"\n")) << rig.FirstError();
  EXPECT_EQ(listing.substr(0, 16), "0000\t6000\t\tNOP\r\n");
  EXPECT_EQ(included, std::vector<std::string>{(rig.dir.Path() / "sub.inc").string()});
  EXPECT_EQ(rig.reporter.log, std::vector<std::string>{});
  ASSERT_TRUE(rig.Load("begin NOP"));
  EXPECT_EQ(rig.reporter.log, (std::vector<std::string>{"memory loaded", "info Program loaded"}));
  EXPECT_TRUE(included.empty());

  keeps = true;
  rig.reporter.log.clear();
  ASSERT_TRUE(rig.Make("NOP"));
  EXPECT_EQ(rig.reporter.log, (std::vector<std::string>{"info Program assembled", "listing written"}));
}

}  // namespace
}  // namespace tav2
