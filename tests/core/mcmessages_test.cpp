// The manual's table of micro-code messages lists what the parser reports,
// each with a cause that produces it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/lang/microcodeparser.h"
#include "core/sim/mcrom.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

struct MessageCase {
  const char* message;
  const char* source;  // after "##\n"; loaded into the ROM
};

// One cause for each message the table lists, as the table describes it.
const MessageCase kCases[] = {
    {"opcode nop allready exists", "#NOP; 0x60\n#nop; 0x61\n"},
    {"opcode 0x60 allready exists", "#NOP; 0x60\n#CLC; 0x60\n"},
    {"opcode 0x160 allready exists", "#NOP; 0x60\n#CLC; 0x160\n"},
    {" mnemonic expected", "#\n A := R1;\n"},
    {"wrong operands for instruction", "#ADD OP1, R1; 0x01\n"},
    {"wrong operands for instruction", "#NOP 0x60\n"},
    {"microcode definition must be hex value", "#NOP; 96\n"},
    {"Defined instruction expected", "#BCC OP2; 0x32\n= 5;\n"},
    {"Defined instruction expected", "#BCC OP2; 0x32\n= B;\n"},
    {" '#' expected", "#BCC OP2; 0x32\n= B;\n"},
    {"opcode for BCS does not exist", "#BCC OP2; 0x32\n= BCS;\n#BCS OP2; 0x31\n A := IR;\n"},
    {"internal error in copying codes", "#SPARE; 0x00\n A := R1;\n#NOP; 0x60\n= SPARE;\n"},
    {"internal error in copying codes", "#NOP; 0x60\n= NOP;\n"},
    {"Too much microcodes for this instruction",
     "#LONG; 0x70\n"
     "A := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\n"
     "A := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\nA := R1;\n"},
    {"unknown register \"AA\"", "#NOP; 0x60\nAA := R1;\n"},
    {"unknown register \"RR1\"", "#NOP; 0x60\nA := RR1;\n"},
    {"unknown register \"x\"", "#NOP; 0x60\nA := R1; x\n"},
    {"unknown register \"ADD\"", "#NOP; 0x60\nA := R1;\nADD OP1,OP2; 0x01\n"},
    {"Register, operand or 'ALU' expected", "#NOP; 0x60\n(A) := R1;\n"},
    {" ASSIGN expected", "#NOP; 0x60\nA R1;\n"},
    {" ASSIGN expected", "#NOP; 0x60\nA := R1; B\n"},
    {"single colon not allowed", "#NOP; 0x60\nA : R1;\n"},
    {"Register or operand expected", "#NOP; 0x60\nA := 5;\n"},
    {"Unknown or unreadable TAV-register", "#NOP; 0x60\nA := ALU;\n"},
    {"Unknown or unreadable TAV-register", "#NOP; 0x60\nA := _ADD;\n"},
    {"unknown ALU function \"_add\"", "#NOP; 0x60\nALU := _add;\n"},
    {"unknown ALU function \"_NOTHING\"", "#NOP; 0x60\nALU := _NOTHING;\n"},
    {"ALU-function expected", "#NOP; 0x60\nALU := 5;\n"},
    {"Unknown ALU-function", "#NOP; 0x60\nALU := R1;\n"},
    {" ';' expected", "#NOP; 0x60\nA := R1 B := R2;\n"},
    {" ';' expected", "#BCS OP2; 0x31\nA := IR;\n#BCC OP2; 0x32\n= BCS\n"},
    {" RETURN expected", "#NOP; 0x60 A := R1;\n"},
};

// The message column of the manual's micro-code table. Quotes around a
// message are not part of it; an italic placeholder stands for any text.
std::vector<std::string> ManualMessages() {
  const std::string html = test::ReadWhole(TAV2_SOURCE_DIR "/data/help/TAV2.html");
  const std::size_t table = html.find("data-messages=\"microcode\"");
  const std::size_t end = html.find("</table>", table);
  std::vector<std::string> messages;
  for (std::size_t row = html.find("<tr><td>", table); row < end; row = html.find("<tr><td>", row + 1)) {
    const std::size_t cell = row + 8;
    std::string text = html.substr(cell, html.find("</td>", cell) - cell);
    if (text.size() > 1 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    messages.push_back(text);
  }
  return messages;
}

// Whether `message` is the manual's text, each <i>...</i> in it standing
// for at least one character.
bool Matches(const std::string& message, const std::string& manualText) {
  std::vector<std::string> fixed;
  for (std::size_t at = 0;;) {
    const std::size_t open = manualText.find("<i>", at);
    fixed.push_back(manualText.substr(at, open - at));
    if (open == std::string::npos) break;
    at = manualText.find("</i>", open) + 4;
  }
  if (message.rfind(fixed.front(), 0) != 0) return false;
  std::size_t at = fixed.front().size();
  for (std::size_t i = 1; i < fixed.size(); ++i) {
    const bool last = i + 1 == fixed.size();
    const std::size_t found =
        last ? message.size() - std::min(message.size(), fixed[i].size()) : message.find(fixed[i], at + 1);
    if (found == std::string::npos || found <= at || message.compare(found, fixed[i].size(), fixed[i]) != 0) {
      return false;
    }
    at = found + fixed[i].size();
  }
  return at == message.size();
}

TEST(MicrocodeMessages, EachCauseGivesItsMessage) {
  for (const MessageCase& c : kCases) {
    SCOPED_TRACE(c.message);
    Mcrom rom;
    MicrocodeParser parser(rom);
    parser.loadAfterBuild = true;
    EXPECT_FALSE(parser.ParseSource(std::string("##\n") + c.source, "t.mca"));
    std::vector<std::string> reported;
    for (const BuildError& error : parser.Errors()) reported.push_back(error.message);
    EXPECT_TRUE(std::find(reported.begin(), reported.end(), c.message) != reported.end())
        << c.message << " from\n"
        << c.source << "first reported: " << (reported.empty() ? "none" : reported.front());
  }
}

TEST(MicrocodeMessages, TheManualListsEachMessage) {
  EXPECT_TRUE(Matches("opcode 0x60 allready exists", "opcode 0x<i>NN</i> allready exists"));
  EXPECT_TRUE(Matches("opcode ADD allready exists", "opcode <i>X</i> allready exists"));
  EXPECT_FALSE(Matches("opcode  allready exists", "opcode <i>X</i> allready exists"));
  EXPECT_FALSE(Matches("opcode ADD allready exists!", "opcode <i>X</i> allready exists"));
  EXPECT_FALSE(Matches(" ';' expected", " ')' expected"));
  const std::vector<std::string> listed = ManualMessages();
  ASSERT_FALSE(listed.empty()) << "the table of micro-code messages has lost its mark";
  for (const MessageCase& c : kCases) {
    SCOPED_TRACE(c.message);
    EXPECT_TRUE(std::any_of(listed.begin(), listed.end(),
                            [&](const std::string& m) { return Matches(c.message, m); }))
        << "the manual does not list \"" << c.message << "\"";
  }
  for (const std::string& text : listed) {
    EXPECT_TRUE(std::any_of(std::begin(kCases), std::end(kCases),
                            [&](const MessageCase& c) { return Matches(c.message, text); }))
        << "the manual lists \"" << text << "\" without a case here";
  }
}

}  // namespace
}  // namespace tav2
