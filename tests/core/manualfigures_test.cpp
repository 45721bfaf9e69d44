// The figures the manual draws as tables show what the code does: the
// fields of the instruction word as the decoder reads them, the bits of a
// micro-instruction as the parser sets them, and the phases of an
// instruction as the engine runs through them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "core/sim/decodedinstruction.h"
#include "core/sim/machine.h"
#include "core/sim/processor.h"
#include "support/manualfigure.h"
#include "support/simsupport.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

using test::FigureCell;
using test::FigureRows;

const std::string& Manual() {
  static const std::string html = test::ReadWhole(TAV2_SOURCE_DIR "/data/help/TAV2.html");
  return html;
}

// A machine with the default micro-code and `program` loaded.
std::unique_ptr<Machine> MachineWith(const std::string& program) {
  auto machine = std::make_unique<Machine>();
  MicrocodeParser microcode(machine->mcrom);
  microcode.loadAfterBuild = true;
  EXPECT_TRUE(microcode.ParseSourceFile(TAV2_SOURCE_DIR "/data/microdefs.mca"));
  Assembler assembler(*machine);
  assembler.loadAfterBuild = true;
  EXPECT_TRUE(assembler.ParseSource(program, "figure.asm")) << program;
  return machine;
}

// The cells of a row that stand for bits, with the highest bit each covers:
// the row's first cell is its heading, the others count down from `top`.
std::vector<std::pair<int, FigureCell>> BitCells(const std::vector<FigureCell>& row, int top) {
  std::vector<std::pair<int, FigureCell>> cells;
  int bit = top;
  for (std::size_t i = 1; i < row.size(); ++i) {
    cells.emplace_back(bit, row[i]);
    bit -= row[i].columns;
  }
  EXPECT_EQ(bit, top - 16) << "a row spans 16 bits";
  return cells;
}

TEST(ManualFigures, TheInstructionWordIsDecodedAsDrawn) {
  const FigureRows rows = test::ReadFigure(Manual(), "instruction-word");
  ASSERT_EQ(rows.size(), 3u);
  for (const auto& [bit, cell] : BitCells(rows[0], 15)) EXPECT_EQ(cell.text, std::to_string(bit));

  using Field = std::function<int(const DecodedInstruction&)>;
  const std::map<std::string, Field> fields = {
      {"opcode", [](const DecodedInstruction& d) { return int{d.opcode}; }},
      {"op1", [](const DecodedInstruction& d) { return static_cast<int>(d.op1); }},
      {"extension", [](const DecodedInstruction& d) { return int{d.extension}; }},
      {"indirect", [](const DecodedInstruction& d) { return int{d.indirect}; }},
      {"op2", [](const DecodedInstruction& d) { return static_cast<int>(d.op2); }}};
  std::set<std::string> drawn;
  for (const auto& [high, cell] : BitCells(rows[1], 15)) {
    const std::string& name = cell.Get("data-field");
    drawn.insert(name);
    const Field& field = fields.at(name);
    const int low = high - cell.columns + 1;
    // The field's lowest bit set, in an instruction of opcode 01 (not LEA).
    const auto base = static_cast<uint16_t>(1u << low | 0x0100u);
    for (int bit = 0; bit < 16; ++bit) {
      const auto flipped = static_cast<uint16_t>(base ^ (1u << bit));
      const bool inside = bit >= low && bit <= high;
      EXPECT_EQ(field(DecodedInstruction::Decode(flipped)) != field(DecodedInstruction::Decode(base)), inside)
          << name << " is drawn over bits " << high << "-" << low << "; bit " << bit;
    }
  }
  EXPECT_EQ(drawn.size(), fields.size());

  const std::string& example = rows[2][0].text;
  unsigned word = 0;
  for (const auto& [bit, cell] : BitCells(rows[2], 15))
    word |= static_cast<unsigned>(std::stoi(cell.text)) << bit;
  const auto machine = MachineWith("##\nbegin " + example + "\n##\n");
  EXPECT_EQ(word, machine->memory.Read(0)) << example;
}

MicroInstruction Compiled(const std::string& statement) {
  Mcrom rom;
  MicrocodeParser parser(rom);
  parser.loadAfterBuild = true;
  EXPECT_TRUE(parser.ParseSource("##\n#FIGURE; 0x60\n" + statement + "\n##\n", "figure.mca")) << statement;
  return rom.Entry(0x60).program[0];
}

// Every bit of LO and the used bits of HI are drawn once, under their bit
// number, and the statement named for a cell sets exactly the bits of the
// cells that name it.
TEST(ManualFigures, TheMicroInstructionBitsAreSetAsDrawn) {
  const FigureRows rows = test::ReadFigure(Manual(), "micro-instruction");
  ASSERT_EQ(rows.size(), 6u);
  std::map<std::pair<std::string, std::string>, uint32_t> drawnBits;  // by statement and word
  std::map<std::string, uint32_t> covered;                            // by word
  for (std::size_t r = 0; r < rows.size(); r += 2) {
    const int top = r == 0 ? 31 : 15;
    const auto numbers = BitCells(rows[r], top);
    for (const auto& [high, cell] : BitCells(rows[r + 1], top)) {
      const auto number =
          std::find_if(numbers.begin(), numbers.end(), [&](const auto& n) { return n.first == high; });
      ASSERT_NE(number, numbers.end());
      EXPECT_EQ(number->second.text, std::to_string(high)) << "the cell stands under its bit number";
      if (!cell.Has("data-bit")) continue;
      const std::string& place = cell.Get("data-bit");  // "LO 5", "LO 31-26"
      const std::string word = place.substr(0, 2);
      const std::size_t dash = place.find('-');
      const int low = std::stoi(place.substr(dash == std::string::npos ? 3 : dash + 1));
      EXPECT_EQ(std::stoi(place.substr(3)), high) << place;
      EXPECT_EQ(high - low + 1, cell.columns) << place;
      const uint32_t mask = static_cast<uint32_t>(((uint64_t{1} << (high - low + 1)) - 1) << low);
      EXPECT_EQ(covered[word] & mask, 0u) << place << " is drawn twice";
      covered[word] |= mask;
      drawnBits[{cell.Get("data-set-by"), word}] |= mask;
      const MicroInstruction mi = Compiled(cell.Get("data-set-by"));
      const uint32_t value = word == "LO" ? mi.lo : mi.hi;
      if (high == low) {
        EXPECT_NE(value & mask, 0u) << cell.Get("data-set-by") << " does not set " << place;
      } else {
        EXPECT_NE(value & mask, 0u) << cell.Get("data-set-by") << " sets nothing of " << place;
      }
    }
  }
  EXPECT_EQ(covered["LO"], 0xFFFFFFFFu);
  EXPECT_EQ(covered["HI"], 0x3Fu);
  for (const auto& [key, bits] : drawnBits) {
    const MicroInstruction mi = Compiled(key.first);
    const uint32_t value = key.second == "LO" ? mi.lo : mi.hi;
    EXPECT_EQ(value & ~bits, 0u) << key.first << " sets " << key.second << " bits drawn for others";
  }
  EXPECT_EQ(Compiled("ALU := _INC;").AluCode(), 11) << "the figure's example code";
}

// INC (count) runs through every phase; the figure lists them in the order
// the engine runs them, with the clocks of the default sequences.
TEST(ManualFigures, ThePhasesFollowEachOtherAsDrawn) {
  const auto machine = MachineWith("##\nbegin INC (count)\n        HALT\ncount   DAT 5\n##\n");
  test::RecordingDisplay display;
  Processor processor(*machine, display);
  processor.Control().Reset();
  std::vector<std::pair<Phase, int>> ran;  // each phase and its clocks
  while (processor.State().instructions == 0) {
    const Phase phase = processor.State().phase;
    if (ran.empty() || ran.back().first != phase) ran.emplace_back(phase, 0);
    ++ran.back().second;
    processor.Control().ClockPress();
    processor.Control().ClockRelease();
    ASSERT_LT(ran.size(), 10u);
  }
  const std::map<std::string, Phase> phases = {{"fetch", Phase::Fetch},
                                               {"immediate", Phase::Immediate},
                                               {"indirect", Phase::Indirect},
                                               {"execute", Phase::Execute},
                                               {"write-back", Phase::WriteBack}};
  std::vector<std::pair<Phase, int>> drawn;
  for (const std::vector<FigureCell>& row : test::ReadFigure(Manual(), "sequencer")) {
    if (row.empty() || !row[0].Has("data-phase")) continue;
    const Phase phase = phases.at(row[0].Get("data-phase"));
    const auto run = std::find_if(ran.begin(), ran.end(), [&](const auto& r) { return r.first == phase; });
    drawn.emplace_back(phase, row[0].Has("data-clocks") ? std::stoi(row[0].Get("data-clocks")) : run->second);
  }
  EXPECT_EQ(drawn, ran);
  EXPECT_EQ(processor.State().microSteps, 13u) << "the figure's count of clocks";
}

}  // namespace
}  // namespace tav2
