#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/lang/microcodeparser.h"
#include "core/sim/mcrom.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

MicroInstruction Bits(std::initializer_list<int> lo, std::initializer_list<int> hi = {}, int alu = 0) {
  MicroInstruction mi;
  for (int bit : lo) mi.lo |= 1u << bit;
  for (int bit : hi) mi.hi |= 1u << bit;
  mi.lo |= static_cast<uint32_t>(alu) << 26;
  return mi;
}

MicroInstruction operator|(MicroInstruction a, MicroInstruction b) { return {a.lo | b.lo, a.hi | b.hi}; }

// A ROM and the parser that writes it.
class McParser : public ::testing::Test {
 protected:
  bool Build(const std::string& text, bool load = true) {
    parser.loadAfterBuild = load;
    return parser.ParseSource(text, "test.mca");
  }
  // Builds one definition at opcode 0x01 and gives its first micro-instruction.
  MicroInstruction FirstLineOf(const std::string& microCodeLine) {
    EXPECT_TRUE(Build("##\n#T; 0x01\n" + microCodeLine + "\n")) << microCodeLine;
    return rom.Entry(1).program[0];
  }
  void ExpectError(std::size_t index, const std::string& message, int line, int column,
                   const std::string& context = "") {
    ASSERT_GT(parser.Errors().size(), index) << context;
    const BuildError& error = parser.Errors()[index];
    EXPECT_EQ(error.message, message) << context;
    EXPECT_EQ(error.line, line) << context << " " << message;
    EXPECT_EQ(error.column, column) << context << " " << message;
    EXPECT_EQ(error.fileName, "test.mca");
  }
  // Gives entry `index` a recognisable content from an earlier load.
  void Preset(int index, const char* name) {
    McromEntry entry;
    entry.SetName(name);
    entry.opcode = static_cast<uint32_t>(index);
    entry.count = 1;
    entry.program[0] = Bits({9});
    rom.SetEntry(index, entry);
  }

  Mcrom rom;
  MicrocodeParser parser{rom};
};

// A word of the register list as destination and as source; the other side
// of the micro-operation is T1 (LO bit 17 as destination, 16 as source).
TEST_F(McParser, EncodesEachWordAsDestinationAndAsSource) {
  struct Case {
    const char* word;
    MicroInstruction destination, source;
  };
  // clang-format off
  const Case cases[] = {
      {"R1", Bits({1}), Bits({0})},
      {"R2", Bits({3}), Bits({2})},
      {"A", Bits({5}), Bits({4})},
      {"B", Bits({7}), Bits({6})},
      {"C", Bits({9}), Bits({8})},
      {"PC", Bits({11}), Bits({10})},
      {"IR", Bits({13}), Bits({12})},
      {"SP", Bits({15}), Bits({14})},
      {"T1", Bits({17}), Bits({16})},
      {"MDR", Bits({19}), Bits({18})},
      {"MAR", Bits({23}), Bits({22})},
      {"MEM", Bits({25}), Bits({21, 24})},
      {"SR", Bits({}, {1}), Bits({}, {0})},
      {"OP1", Bits({}, {3}), Bits({}, {2})},
      {"OP2", Bits({}, {5}), Bits({}, {4})},
      {"mdr", Bits({19}), Bits({18})},
      {"op2", Bits({}, {5}), Bits({}, {4})},
      {"r1", Bits({1}), Bits({0})},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    const std::string word = c.word;
    EXPECT_EQ(FirstLineOf(word + " := T1;"), c.destination | Bits({16})) << word << " as destination";
    EXPECT_EQ(FirstLineOf("T1 := " + word + ";"), c.source | Bits({17})) << word << " as source";
  }
}

TEST_F(McParser, MemoryTransfersAluFunctionsAndMergedMicroOperations) {
  const std::pair<const char*, MicroInstruction> cases[] = {
      {"MDR := MEM;", Bits({21, 24})},
      {"MEM := MDR;", Bits({20, 25})},
      {"MDR := R1; A := MEM;", Bits({0, 5, 21, 24})},
      {"MEM := R1; A := MDR;", Bits({0, 5, 20, 25})},
      {"A := MDR; MEM := R1;", Bits({0, 5, 18, 25})},
      {"A := R1; ALU := _ADD;", Bits({0, 5}, {}, 1)},
      {"ALU := _ADD; ALU := _SUB;", Bits({}, {}, 3)},
      {"r1 := a;", Bits({1, 4})},
      {"+A := -R1;", Bits({5, 0})},  // a sign before a word is passed over
      {"MAR := PC; A := PC; ALU := _INC;", Bits({10, 23, 5}, {}, 11)},
      {"OP1 := OP2; SR := SR;", Bits({}, {0, 1, 3, 4})},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(FirstLineOf(line), expected) << line;
  // clang-format off
  const char* names[] = {
      "_ADD",
      "_ADC",
      "_SUB",
      "_SUBC",
      "_MUL",
      "_DIV",
      "_MOD",
      "_AND",
      "_OR",
      "_XOR",
      "_INC",
      "_DEC",
      "_CLR",
      "_ASL",
      "_ASR",
      "_LSL",
      "_LSR",
      "_ROR",
      "_ROL",
      "_RORC",
      "_ROLC",
      "_TST",
      "_TSC",
      "_CLC",
      "_CLI",
      "_SEC",
      "_SEI",
      "_ABCD",
      "_SBCD",
      "_NBCD",
      "_NEG",
      "_CIV",
  };
  // clang-format on
  for (int code = 1; code <= 32; ++code) {
    EXPECT_EQ(FirstLineOf(std::string("ALU := ") + names[code - 1] + ";").AluCode(), code) << names[code - 1];
  }
}

TEST_F(McParser, OperandKindsFromTheHeader) {
  // clang-format off
  const std::pair<const char*, int> cases[] = {
      {"#NOP; 0x60", 0},
      {"#INC OP1; 0x60", 1},
      {"#ADD OP1,OP2; 0x60", 2},
      {"#X op2 OP1; 0x60", 1},
      {"#Y ,; 0x60", 2},
      {"#Z , op1; 0x60", 2},
      {"#W OP2 ; 0x60", 1},
  };
  // clang-format on
  for (const auto& [header, kind] : cases) {
    ASSERT_TRUE(Build(std::string("##\n") + header + "\n A := R1;\n")) << header;
    EXPECT_EQ(rom.Entry(0x60).operandKind, kind) << header;
  }
}

TEST_F(McParser, StoresWholeEntriesAndKeepsTheOthers) {
  McromEntry old;
  old.count = 4;
  old.program[3] = Bits({7});
  rom.SetEntry(0x02, old);
  Preset(0x04, "KEPT");
  ASSERT_TRUE(
      Build("prelude ignored ## also ignored\n#MOVE OP1,OP2; 0x02\n\n  op1 := op2;\n\n"
            "  A := R1 ; B := R2;\n##\n#AFTER; 0x03\n"));
  const McromEntry& entry = rom.Entry(0x02);
  EXPECT_EQ(entry.Name(), "MOVE");
  EXPECT_EQ(entry.opcode, 0x02u);
  EXPECT_EQ(entry.count, 2);
  EXPECT_EQ(entry.operandKind, 2);
  EXPECT_EQ(entry.program[0], Bits({}, {3, 4}));
  EXPECT_EQ(entry.program[1], Bits({5, 0, 7, 2}));
  EXPECT_EQ(entry.program[3], MicroInstruction{}) << "replaced whole";
  EXPECT_EQ(rom.Entry(0x03).opcode, 0u) << "nothing after the closing ##";
  EXPECT_EQ(rom.Entry(0x04).Name(), "KEPT") << "an entry the source does not define";

  ASSERT_TRUE(Build("##\n#NOP; 0x60\n A := R1; B := R2;"));
  EXPECT_EQ(rom.Entry(0x60).count, 1) << "a definition at the end of the text without a newline";
  EXPECT_EQ(rom.Entry(0x60).program[0], Bits({5, 0, 7, 2}));
  ASSERT_TRUE(Build("##\n#RTS; 0x61\n PC := MDR;\n#"));
  EXPECT_EQ(rom.Entry(0x61).count, 1) << "a '#' at the end of the text ends the definitions";

  EXPECT_TRUE(Build("##\n#NEW; 0x05\n A := R1;\n", false));
  EXPECT_TRUE(parser.Errors().empty());
  EXPECT_EQ(rom.Entry(0x05).opcode, 0u) << "nothing is stored without LoadAfterBuild";
  EXPECT_TRUE(Build("#NOP; 0x05\n A := R1;\n"));
  EXPECT_EQ(rom.Entry(0x05).opcode, 0u) << "a source without marker defines nothing";
}

TEST_F(McParser, LongMnemonicsAreComparedWhole) {
  ASSERT_TRUE(
      Build("##\n#LONGNAME1; 0x10\n A := R1;\n#LONGNAME2; 0x11\n A := R2;\n"
            "#ABCDEFGHIJKLMNOPQRS; 0x12\n A := C;\n#ABCDEFGHIJKLMNOPQRT; 0x13\n= LONGNAME2;\n"));
  EXPECT_EQ(rom.Entry(0x10).Name(), "LONGNAME1");
  EXPECT_EQ(rom.Entry(0x11).Name(), "LONGNAME2");
  EXPECT_EQ(rom.Entry(0x12).Name(), "ABCDEFGHIJKLMNOPQRS") << "kept whole";
  EXPECT_EQ(rom.Entry(0x13).Name(), "ABCDEFGHIJKLMNOPQRT");
  EXPECT_EQ(rom.Entry(0x13).program[0], Bits({5, 2}));
  ASSERT_TRUE(
      Build("##\n#MULTIPLY_BY_TWO_REGISTER; 0x20\n A := R1;\n#MULTIPLY_BY_TWO_REGISTER_PLUS1; 0x21\n"
            "= MULTIPLY_BY_TWO_REGISTER;\n"))
      << "names equal in their first 16 characters are different names";
  EXPECT_EQ(rom.Entry(0x21).Name(), "MULTIPLY_BY_TWO_REGISTER_PLUS1");
  EXPECT_EQ(rom.Entry(0x21).program[0], Bits({5, 0}));
  EXPECT_FALSE(Build("##\n#LONGNAME1; 0x10\n#longname1; 0x11\n"));
  ExpectError(0, "opcode longname1 allready exists", 3, 2);
}

// A header whose '#' is followed by its line end or its ';' has no
// mnemonic: the message stands on one line, never holding the line end.
TEST_F(McParser, HeaderWithoutMnemonic) {
  EXPECT_FALSE(Build("##\n#\n A := R1;\n#\n B := R1;\n# ; 0x10\n#STOP; 0x6F\n##\n"));
  ASSERT_EQ(parser.Errors().size(), 3u);
  ExpectError(0, " mnemonic expected", 2, 1);
  ExpectError(1, " mnemonic expected", 4, 1);
  ExpectError(2, " mnemonic expected", 6, 3);
  for (const BuildError& error : parser.Errors()) EXPECT_EQ(error.ListLine().find('\n'), std::string::npos);
}

TEST_F(McParser, FailureMessagesWithTheirPlace) {
  struct Case {
    const char* text;  // after "##\n", so the first definition is on line 2
    const char* message;
    int line;
    int column;
  };
  const Case cases[] = {
      {"#NOP; 0x60\n A : R1;\n", "single colon not allowed", 3, 4},
      {"#NOP; 0x60\n#nop; 0x61\n", "opcode nop allready exists", 3, 2},
      {"#ADD OP1 R1; 0x01\n", "wrong operands for instruction", 2, 10},
      {"#ADD OP1, 5; 0x01\n", "wrong operands for instruction", 2, 11},
      {"#NOP; 96\n", "microcode definition must be hex value", 2, 7},
      {"#NOP; 0b11\n", "microcode definition must be hex value", 2, 7},
      {"#NOP; NOP\n", "microcode definition must be hex value", 2, 7},
      {"#A; 0x60\n#B; 0x60\n", "opcode 0x60 allready exists", 3, 5},
      {"#A; 0x60\n#B; 0x160\n", "opcode 0x160 allready exists", 3, 5},
      {"#A; 0x61\n  = R1;\n", "Defined instruction expected", 3, 5},
      {"#A; 0x61\n= FOO;\n", "opcode for FOO does not exist", 3, 3},
      {"#A; 0x61\n X := R1;\n", "unknown register \"X\"", 3, 2},
      {"#A; 0x61\n A := R1;\n (A) := R1;\n", "Register, operand or 'ALU' expected", 4, 2},
      {"#A; 0x61\n ALU := _add;\n", "unknown ALU function \"_add\"", 3, 9},
      {"#A; 0x61\n A := 5;\n", "Register or operand expected", 3, 7},
      {"#A; 0x61\n A := _add;\n", "unknown register \"_add\"", 3, 7},
      {"#A; 0x61\n ALU := R1;\n", "Unknown ALU-function", 3, 9},
      {"#A; 0x61\n A := ALU;\n", "Unknown or unreadable TAV-register", 3, 7},
      {"#A; 0x61\n A := _ADD;\n", "Unknown or unreadable TAV-register", 3, 7},
      {"#A 0x61\n", "wrong operands for instruction", 2, 4},
      {"#A; 0x61\n A := R1 B := R2;\n", " ';' expected", 3, 10},
      {"#A; 0x61\n A R1;\n", " ASSIGN expected", 3, 4},
      {"#A; 0x61 A := R1;\n", " RETURN expected", 2, 10},
      {"#A; 0x61", " RETURN expected", 2, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Preset(0x60, "KEPT");
    EXPECT_FALSE(Build(std::string("##\n") + c.text));
    ExpectError(0, c.message, c.line, c.column, c.text);
    EXPECT_EQ(rom.Entry(0x60).Name(), "KEPT") << "nothing stored after an error: ";
    EXPECT_EQ(rom.Entry(0x61).opcode, 0u);
  }
}

// The whole error list of a source: a faulty micro-code line gives one
// error and the next line is read; a copy of an unknown name adds the name;
// a copy without a plain word ends the definition at that token.
TEST_F(McParser, ErrorListsOfWholeSources) {
  struct Expected {
    const char* message;
    int line;
    int column;
  };
  struct Case {
    const char* text;
    std::vector<Expected> errors;
  };
  const Case cases[] = {
      {"##\n#A; 0x61\n A := (R1); B := ; C\n B := R1;\n Q := R1;\n",
       {{"Register or operand expected", 3, 7}, {"unknown register \"Q\"", 5, 2}}},
      {"##\n#A; 0x61\n= LATER;\n#LATER; 0x62\n",
       {{"opcode for LATER does not exist", 3, 3}, {"opcode LATER allready exists", 4, 2}}},
      {"##\n#A; 0x61\n= 5;\n#B; 0x62\n", {{"Defined instruction expected", 3, 3}, {" '#' expected", 3, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_FALSE(Build(c.text));
    ASSERT_EQ(parser.Errors().size(), c.errors.size());
    for (std::size_t i = 0; i < c.errors.size(); ++i) {
      ExpectError(i, c.errors[i].message, c.errors[i].line, c.errors[i].column, c.text);
    }
  }
}

TEST_F(McParser, ASeventeenthMicroCodeLineIsTooMany) {
  std::string text = "##\n#LONG; 0x70\n";
  for (int i = 0; i < 16; ++i) text += "  A := R1;\n";
  ASSERT_TRUE(Build(text));
  EXPECT_EQ(rom.Entry(0x70).count, 16);
  EXPECT_FALSE(Build(text + "\n    B := R2;\n"));
  ExpectError(0, "Too much microcodes for this instruction", 20, 5);
}

TEST_F(McParser, CopyTakesTheMicroProgramThisBuildStored) {
  Preset(0x10, "NOP");  // an earlier load's NOP at a lower index
  ASSERT_TRUE(
      Build("##\n#NOP; 0x60\n A := R1;\n B := R2;\n#NEXT OP1; 0x61\n\n  = nop ; ignored to the next\n"
            " X Y Z\n#LAST; 0x62\n C := A;\n#THIRD; 0x63\n= NEXT;\n"));
  const McromEntry& copy = rom.Entry(0x61);
  EXPECT_EQ(copy.Name(), "NEXT");
  EXPECT_EQ(copy.operandKind, 1);
  EXPECT_EQ(copy.count, 2);
  EXPECT_EQ(copy.program[0], Bits({5, 0}));
  EXPECT_EQ(copy.program[1], Bits({7, 2}));
  EXPECT_EQ(rom.Entry(0x62).program[0], Bits({9, 4})) << "the definition after the copy is read";
  EXPECT_EQ(rom.Entry(0x63).program[1], Bits({7, 2})) << "a copy of a copy";
  EXPECT_EQ(rom.Entry(0x10).Name(), "NOP") << "not defined by the source: kept";
}

TEST_F(McParser, CopyOfAnEntryThatWasNotStoredFailsInTheSecondPass) {
  const std::string text =
      "##\n#FIRST; 0x60\n A := R1;\n#ZERO; 0x00\n B := R1;\n#C; 0x61\n  = ZERO;\n#D; 0x62\n";
  EXPECT_TRUE(Build(text, false)) << "a check without loading copies nothing";
  EXPECT_FALSE(Build(text));
  ASSERT_EQ(parser.Errors().size(), 1u);
  ExpectError(0, "internal error in copying codes", 7, 5);
  EXPECT_EQ(rom.Entry(0x60).Name(), "FIRST") << "stored before the failed copy";
  EXPECT_EQ(rom.Entry(0x61).opcode, 0u);
  EXPECT_EQ(rom.Entry(0x62).opcode, 0u) << "nothing stored after the error";
  EXPECT_FALSE(Build("##\n#SELF; 0x63\n= SELF;\n"));
  ExpectError(0, "internal error in copying codes", 3, 3);
  EXPECT_EQ(rom.Entry(0x63).opcode, 0u);
}

TEST_F(McParser, OpcodesZeroAndAbove255AreAcceptedButNeverStored) {
  Preset(0x60, "KEPT");
  ASSERT_TRUE(
      Build("##\n#Z1; 0x00\n A := R1;\n#Z2; 0x00\n#BIG; 0x100\n A := R1;\n#NEG; -0x60\n"
            "#PLUS; +0x61\n A := R1;\n"));
  EXPECT_EQ(rom.Entry(0).opcode, 0u);
  EXPECT_EQ(rom.Entry(0).count, 0);
  EXPECT_EQ(rom.Entry(0x60).Name(), "KEPT") << "-0x60 is not 0x60";
  EXPECT_EQ(rom.Entry(0x61).Name(), "PLUS");
  EXPECT_EQ(rom.Entry(0x61).count, 1);

  std::string text = "##\n";
  char hex[8];
  for (int op = 1; op <= 255; ++op) {
    std::snprintf(hex, sizeof hex, "%02X", op);
    text += "#I" + std::to_string(op) + "; 0x" + hex + "\n A := R1;\n";
  }
  for (int i = 0; i < 100; ++i) text += "#SPARE" + std::to_string(i) + "; 0x00\n";
  ASSERT_TRUE(Build(text)) << "more definitions than opcodes";
  EXPECT_EQ(rom.Entry(1).Name(), "I1");
  EXPECT_EQ(rom.Entry(255).Name(), "I255");
  EXPECT_FALSE(Build(text + "#SPARE99; 0x00\n#I7; 0x00\n"));
  ASSERT_EQ(parser.Errors().size(), 2u);
  EXPECT_EQ(parser.Errors()[0].message, "opcode SPARE99 allready exists");
  EXPECT_EQ(parser.Errors()[1].message, "opcode I7 allready exists");
}

TEST_F(McParser, IncludedDefinitionsCountInBothPasses) {
  test::TempDir dir;
  parser.SetIncludeDirectories(dir.Path() / "include", dir.Path());
  dir.Write("defs.inc", "#FROMFILE OP1; 0x60\n A := R1;\n");
  std::filesystem::create_directories(dir.Path() / "include");
  dir.Write("include/seq.inc", "#FETCH; 0xF0\n MAR := PC;\n MDR := MEM;\n");
  dir.Write("marker.inc", "#INNER; 0x64\n A := R1;\n##\n#NOTREAD; 0x65\n");
  ASSERT_TRUE(Build("##\n#include \"defs.inc\"\n#include <seq.inc>\n#COPY; 0x61\n= FROMFILE;\n"));
  EXPECT_EQ(rom.Entry(0x60).Name(), "FROMFILE");
  EXPECT_EQ(rom.Entry(0x61).program[0], Bits({5, 0})) << "copied in the second pass";
  EXPECT_EQ(rom.Entry(0xF0).count, 2);
  EXPECT_FALSE(Build("##\n#include \"defs.inc\"\n#FROMFILE; 0x62\n"));
  ExpectError(0, "opcode FROMFILE allready exists", 3, 2);
  ASSERT_TRUE(Build("##\n#OUTER; 0x63\n B := R1;\n#include \"marker.inc\"\n#AFTER; 0x66\n"));
  EXPECT_EQ(rom.Entry(0x63).Name(), "OUTER");
  EXPECT_EQ(rom.Entry(0x64).Name(), "INNER");
  EXPECT_EQ(rom.Entry(0x65).opcode, 0u) << "a marker in an include ends the definitions";
  EXPECT_EQ(rom.Entry(0x66).opcode, 0u);
}

// Reads the whole text token by token.
class McTokenProbe : public MicrocodeParser {
 public:
  struct Seen {
    TokenKind kind;
    std::string text;
    int intValue;
    char sign;
  };
  explicit McTokenProbe(Mcrom& rom) : MicrocodeParser(rom) {}
  std::vector<Seen> tokens;

 protected:
  void Parse() override {
    do {
      ReadToken();
      tokens.push_back({token_.kind, token_.text, token_.intValue, token_.sign});
    } while (token_.kind != TokenKind::End);
  }
};

TEST(McTokens, KindsOfTheMicroCodeReader) {
  struct Case {
    const char* text;
    TokenKind kind;
    const char* tokenText;
    int value;
    char sign;
  };
  // clang-format off
  const Case cases[] = {
      {"OP1", TokenKind::OperandWord, "OP1", 0, 0},
      {"op2", TokenKind::OperandWord, "op2", 0, 0},
      {"mdr", TokenKind::Register, "mdr", 0, 0},
      {"ALU", TokenKind::Register, "ALU", 0, 0},
      {"_NEG", TokenKind::AluFunction, "_NEG", 0, 0},
      {"_neg", TokenKind::Name, "_neg", 0, 0},
      {"NOP", TokenKind::Name, "NOP", 0, 0},
      {":=", TokenKind::Assign, ":=", 0, 0},
      {"# x", TokenKind::Hash, "#", 0, 0},
      {"##", TokenKind::End, "##", 0, 0},
      {"#", TokenKind::End, "##", 0, 0},
      {"-5", TokenKind::Number, "5", -5, '-'},
      {"+0x10", TokenKind::Number, "0x10", 16, '+'},
      {"- 5", TokenKind::Number, "5", 5, 0},
      {"-x", TokenKind::Name, "x", 0, 0},
      {"(", TokenKind::Unknown, "(", 0, 0},
      {"]", TokenKind::CloseBracket, "]", 0, 0},
      {",", TokenKind::Comma, ",", 0, 0},
      {";", TokenKind::Semicolon, ";", 0, 0},
      {"=", TokenKind::Equals, "=", 0, 0},
      {"\n", TokenKind::EndOfLine, "\n", 0, 0},
      {"$12", TokenKind::Name, "$12", 0, 0},
      {"\"MDR\"", TokenKind::String, "MDR", 0, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Mcrom rom;
    McTokenProbe probe(rom);
    EXPECT_TRUE(probe.ParseSource(c.text, "t.mca"));
    ASSERT_FALSE(probe.tokens.empty());
    const auto& t = probe.tokens[0];
    EXPECT_EQ(t.kind, c.kind);
    EXPECT_EQ(t.text, c.tokenText);
    EXPECT_EQ(t.intValue, c.value);
    EXPECT_EQ(t.sign, c.sign);
  }
}

TEST(McTokens, SingleColonIsReportedAndTheNextCharacterKept) {
  Mcrom rom;
  McTokenProbe probe(rom);
  EXPECT_FALSE(probe.ParseSource("a :=b :c (d", "t.mca"));
  std::vector<std::string> texts;
  for (const auto& t : probe.tokens) texts.push_back(t.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"a", ":=", "b", ":", "c", "(", "d", ""}));
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].message, "single colon not allowed");
  EXPECT_EQ(probe.Errors()[0].column, 7);
}

}  // namespace
}  // namespace tav2
