#include "core/sim/runspeed.h"

#include "core/util/formatted.h"

namespace tav2 {

const std::array<RunSpeed, 11>& RunSpeed::Offered() {
  static const std::array<RunSpeed, 11> speeds = {Full(),
                                                  InstructionsPerSecond(1),
                                                  InstructionsPerSecond(2),
                                                  InstructionsPerSecond(5),
                                                  InstructionsPerSecond(10),
                                                  InstructionsPerSecond(20),
                                                  InstructionsPerSecond(50),
                                                  ClocksPerSecond(1),
                                                  ClocksPerSecond(2),
                                                  ClocksPerSecond(5),
                                                  ClocksPerSecond(10)};
  return speeds;
}

std::chrono::milliseconds RunSpeed::Interval() const {
  if (!Animated() || perSecond <= 0) return std::chrono::milliseconds(0);
  return std::chrono::milliseconds(1000 / perSecond);
}

std::string RunSpeed::Text() const {
  if (!Animated()) return "Full speed";
  const char* unitName = unit == Unit::Instructions ? "instruction" : "clock";
  return Formatted("%d %s%s per second", perSecond, unitName, perSecond == 1 ? "" : "s");
}

}  // namespace tav2
