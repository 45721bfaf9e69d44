#include "core/sim/mcromlisting.h"

#include "core/util/formatted.h"
#include "core/sim/mcrom.h"
#include "core/sim/microinstructiontext.h"

namespace tav2 {

namespace {
constexpr std::size_t kMaxLine = 255;
}  // namespace

McromListing McromListing::Of(const Mcrom& mcrom) {
  McromListing listing;
  listing.above.assign(kBinaryHeaderAbove.begin(), kBinaryHeaderAbove.end());
  for (int index = 1; index < Mcrom::kEntries; ++index) {
    const McromEntry& entry = mcrom.Entry(index);
    if (entry.NameView().empty()) continue;
    listing.entries.push_back("naam: " + entry.Name());
    listing.entries.push_back(Formatted("operanden: %d", entry.operandKind));
    listing.entries.push_back(Formatted("opcode: 0x%X", entry.opcode));
    for (int i = 0; i < entry.UsableCount(); ++i) {
      const MicroInstruction& mi = entry.program[static_cast<std::size_t>(i)];
      std::string line = MicroInstructionBinary(mi) + " => " + MicroInstructionText(mi, true);
      if (line.size() > kMaxLine) line.resize(kMaxLine);
      listing.entries.push_back(std::move(line));
    }
  }
  listing.below = {"RWRWRWRWRWRWRWRWRWRWRWRWRW......RWRWRW ", "R1  A.  C.  IR  T1  DRu MEM     SR  op2",
                   "  R2  B.  PC  SP  DRi MAR ALU...  op1  "};
  return listing;
}

}  // namespace tav2
