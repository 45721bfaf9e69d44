#include <gtest/gtest.h>

#include "core/sim/alufunctions.h"
#include "core/sim/machine.h"
#include "core/sim/mcromlisting.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

TEST(McromListing, EmptyRomHasOnlyTheHeaderBlocks) {
  auto machine = std::make_unique<Machine>();
  const McromListing listing = McromListing::Of(machine->mcrom);
  EXPECT_EQ(listing.above.size(), 3u);
  EXPECT_TRUE(listing.entries.empty());
  EXPECT_EQ(listing.below[1], "R1  A.  C.  IR  T1  DRu MEM     SR  op2");
}

TEST(McromListing, EntriesInIndexOrderWithOperandsShown) {
  auto machine = std::make_unique<Machine>();
  machine->mcrom.SetEntry(0xF0, test::Entry("Fetch", 0xF0, 0, {}));
  machine->mcrom.SetEntry(0x11, test::Entry("INC", 0x11, 1,
                                            {test::Mi({test::wr::A}, kAluInc, {test::kOp2Read}),
                                             test::Mi({}, 0, {test::kOp1Write})}));
  machine->mcrom.SetEntry(0x13, test::Entry("MULTIPLY_BY_TWO_REGISTER_PLUS1", 0x13, 1, {}));
  McromEntry unnamed = test::Entry("", 0x12, 0, {test::Mi({1})});
  machine->mcrom.SetEntry(0x12, unnamed);
  const McromListing listing = McromListing::Of(machine->mcrom);
  const std::vector<std::string> expected = {
      "naam: INC",
      "operanden: 1",
      "opcode: 0x11",
      "00000100000000000000000000001011000010 => A:=op2;  ALU:=_INC; ",
      "00000000000000000000000000000000000100 => op1:=",
      "naam: MULTIPLY_BY_TWO_REGISTER_PLUS1",
      "operanden: 1",
      "opcode: 0x13",
      "naam: Fetch",
      "operanden: 0",
      "opcode: 0xF0",
  };
  EXPECT_EQ(listing.entries, expected);
}

}  // namespace
}  // namespace tav2
