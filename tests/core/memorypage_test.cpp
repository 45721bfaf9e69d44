// The texts of a memory view's rows, its disassembly column and its
// navigation.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/sim/machine.h"
#include "core/sim/memoryrowtext.h"
#include "core/sim/memorysearch.h"
#include "core/sim/pagedisassembly.h"
#include "core/sim/programlabels.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using namespace test;

TEST(MemoryRowText, AddressHexDecimalCharacterAndBinary) {
  auto machine = std::make_unique<Machine>();
  machine->memory.Write(0x0012, 0xFFFF);
  machine->memory.Write(0x0013, 0x4E41);
  EXPECT_EQ(MemoryRowText::Of(machine->memory, 0x0012),
            (MemoryRowText{"0012", "FFFF", "    -1", "\xFF", "1111111111111111"}));
  EXPECT_EQ(MemoryRowText::Of(machine->memory, 0x0013),
            (MemoryRowText{"0013", "4E41", " 20033", "A", "0100111001000001"}));
}

struct CharacterCase {
  uint16_t word;
  char shown;
};

// Only the low byte counts; the control codes of Latin-1 show as a blank.
TEST(MemoryRowText, ControlCodesShowAsABlank) {
  const CharacterCase cases[] = {
      {.word = 0x0000, .shown = ' '},    {.word = 0x001F, .shown = ' '},    {.word = 0x0020, .shown = ' '},
      {.word = 0x0041, .shown = 'A'},    {.word = 0x127E, .shown = '~'},    {.word = 0x007F, .shown = ' '},
      {.word = 0x0080, .shown = ' '},    {.word = 0x0085, .shown = ' '},    {.word = 0xFF9F, .shown = ' '},
      {.word = 0x00A0, .shown = '\xA0'}, {.word = 0x00E9, .shown = '\xE9'}, {.word = 0x01FF, .shown = '\xFF'},
  };
  auto machine = std::make_unique<Machine>();
  for (const CharacterCase& c : cases) {
    machine->memory.Write(0x0030, c.word);
    EXPECT_EQ(MemoryRowText::Of(machine->memory, 0x0030).ascii, std::string(1, c.shown))
        << std::hex << c.word;
  }
}

class PageDisassemblyTest : public ::testing::Test {
 protected:
  std::unique_ptr<Machine> machine = std::make_unique<Machine>();

  void SetUp() override { InstallTestMicroCode(machine->mcrom); }
  PageDisassembly Page(uint16_t base) const { return PageDisassembly::Of(*machine, base); }
};

TEST_F(PageDisassemblyTest, TheSecondWordOfAnInstructionGetsNoRow) {
  Place(machine->memory, 0x0010, {Word(kAdd, 1, true, false, 0), 0x0005, Word(kInc, 0, false, false, 2)});
  const PageDisassembly page = Page(0x0000);
  EXPECT_EQ(page.rows[0x10], "ADD R1, 0005");
  EXPECT_EQ(page.rows[0x11], "");
  EXPECT_EQ(page.rows[0x12], "INC R2");
  EXPECT_EQ(page.rows[0x13], "-");
}

// A page is read from its own first row: the extension word of an
// instruction at the end of the page before is an instruction of its own
// here, and reading another page first changes nothing.
TEST_F(PageDisassemblyTest, EachPageStartsAfresh) {
  Place(machine->memory, 0x00FF, {Word(kAdd, 1, true, false, 0), Word(kInc, 0, false, false, 2)});
  const PageDisassembly first = Page(0x0000);
  EXPECT_EQ(first.rows[0xFF], "ADD R1, 1102");
  const PageDisassembly second = Page(0x0100);
  EXPECT_EQ(second.rows[0x00], "INC R2");
  EXPECT_EQ(Page(0x0000).rows, first.rows);
}

TEST_F(PageDisassemblyTest, TheLastRowOfTheLastPageReadsItsExtensionFromAddressZero) {
  Place(machine->memory, 0xFFFF, {Word(kJmp, 0, true, false, 0)});
  machine->memory.Write(0x0000, 0x4321);
  EXPECT_EQ(Page(0xFF00).rows[0xFF], "JMP 4321");
}

// A relative branch's extension word counts from the word after it: the
// offset FFFC at 0015 of a branch at 0014 goes to 0012.
TEST_F(PageDisassemblyTest, BranchesNameTheirTargets) {
  Place(machine->memory, 0x0014, {Word(kBeq, 0, true, false, 0), 0xFFFC});
  Place(machine->memory, 0x0020, {Word(kBra, 0, true, false, 0), 0x0010});
  Place(machine->memory, 0x0030, {Word(kJmp, 0, true, false, 0), 0x0012});
  Place(machine->memory, 0x0032, {Word(kBra, 0, false, false, 2)});
  PageDisassembly page = Page(0x0000);
  EXPECT_EQ(page.rows[0x14], "BEQ 0012");
  EXPECT_EQ(page.rows[0x20], "BRA 0032");
  EXPECT_EQ(page.rows[0x30], "JMP 0012") << "an absolute operand is shown as it is stored";
  EXPECT_EQ(page.rows[0x32], "BRA R2") << "a register operand has no target";

  machine->labels.Add(0x0012, "loop");
  machine->labels.Add(0x0032, "done");
  page = Page(0x0000);
  EXPECT_EQ(page.rows[0x12], "loop: -");
  EXPECT_EQ(page.rows[0x14], "BEQ loop");
  EXPECT_EQ(page.rows[0x20], "BRA done");
  EXPECT_EQ(page.rows[0x30], "JMP 0012");
  EXPECT_EQ(page.rows[0x32], "done: BRA R2");
}

TEST_F(PageDisassemblyTest, ABranchWrapsRoundMemory) {
  Place(machine->memory, 0x0001, {Word(kBra, 0, true, false, 0), 0xFFF0});
  EXPECT_EQ(Page(0x0000).rows[0x01], "BRA FFF3");
}

// A label on the extension word of an instruction still shows.
TEST_F(PageDisassemblyTest, ALabelOnAnExtensionWordStandsAlone) {
  Place(machine->memory, 0x0040, {Word(kAdd, 1, true, false, 0), 0x0005});
  machine->labels.Add(0x0041, "five");
  EXPECT_EQ(Page(0x0000).rows[0x41], "five:");
}

TEST(ProgramLabels, FoundByAddressAndByNameInAnyCase) {
  ProgramLabels labels;
  labels.Add(0x0010, "Loop");
  labels.Add(0x0010, "again");
  labels.Add(0x0020, "done");
  ASSERT_NE(labels.FindAt(0x0010), nullptr);
  EXPECT_EQ(*labels.FindAt(0x0010), "Loop") << "the first label names the address";
  EXPECT_EQ(labels.FindAt(0x0011), nullptr);
  EXPECT_EQ(labels.FindAddress("LOOP"), 0x0010);
  EXPECT_EQ(labels.FindAddress("again"), 0x0010);
  EXPECT_EQ(labels.FindAddress("Done"), 0x0020);
  EXPECT_EQ(labels.FindAddress("nowhere"), std::nullopt);
  labels.Clear();
  EXPECT_TRUE(labels.Empty());
  EXPECT_EQ(labels.FindAddress("done"), std::nullopt);
}

struct AddressCase {
  const char* text;
  std::optional<uint16_t> address;
};

TEST(MemorySearch, AddressesAreHexadecimalOrLabels) {
  ProgramLabels labels;
  labels.Add(0x0123, "loop");
  labels.Add(0x0200, "beef");
  const AddressCase cases[] = {
      {.text = "1A", .address = 0x001A},       {.text = " 0x7fff ", .address = 0x7FFF},
      {.text = "FFFF", .address = 0xFFFF},     {.text = "LOOP", .address = 0x0123},
      {.text = "beef", .address = 0x0200},     {.text = "10000", .address = std::nullopt},
      {.text = "", .address = std::nullopt},   {.text = "nowhere", .address = std::nullopt},
      {.text = "0x", .address = std::nullopt},
  };
  for (const AddressCase& c : cases) EXPECT_EQ(MemorySearch::AddressOf(c.text, labels), c.address) << c.text;
}

struct WordsCase {
  const char* text;
  std::vector<uint16_t> words;
};

TEST(MemorySearch, AValueIsAWordOrAText) {
  const WordsCase cases[] = {
      {.text = "FFFF", .words = {0xFFFF}},
      {.text = " 0x12 ", .words = {0x0012}},
      {.text = "Hi", .words = {'H', 'i'}},
      {.text = "\"ABC\"", .words = {'A', 'B', 'C'}},
      {.text = "'a b'", .words = {'a', ' ', 'b'}},
      {.text = "", .words = {}},
      {.text = "12345", .words = {'1', '2', '3', '4', '5'}},
  };
  for (const WordsCase& c : cases) EXPECT_EQ(MemorySearch::WordsOf(c.text), c.words) << c.text;
}

TEST(MemorySearch, FindsTheNextPlaceAfterTheStartAndWrapsRound) {
  auto machine = std::make_unique<Machine>();
  Place(machine->memory, 0x0100, {'H', 'i', 0});
  Place(machine->memory, 0x8000, {'H', 'i', 0});
  const std::vector<uint16_t> hi = MemorySearch::WordsOf("Hi");
  EXPECT_EQ(MemorySearch::Find(machine->memory, hi, 0x0000), 0x0100);
  EXPECT_EQ(MemorySearch::Find(machine->memory, hi, 0x0100), 0x8000) << "the start itself comes last";
  EXPECT_EQ(MemorySearch::Find(machine->memory, hi, 0x8000), 0x0100) << "round the end of memory";
  machine->memory.Write(0x0100, 0);
  EXPECT_EQ(MemorySearch::Find(machine->memory, hi, 0x8000), 0x8000) << "the start is found when alone";
  EXPECT_EQ(MemorySearch::Find(machine->memory, MemorySearch::WordsOf("Ho"), 0), std::nullopt);
  EXPECT_EQ(MemorySearch::Find(machine->memory, {}, 0), std::nullopt);
  Place(machine->memory, 0xFFFF, {0x1234});
  machine->memory.Write(0x0000, 0x5678);
  EXPECT_EQ(MemorySearch::Find(machine->memory, {0x1234, 0x5678}, 0x0000), 0xFFFF) << "a row across the end";
}

}  // namespace
}  // namespace tav2
