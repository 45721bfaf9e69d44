#pragma once
#include <array>
#include <chrono>
#include <string>

namespace tav2 {

// How fast a run goes: at full speed (in slices of many instructions), or
// animated, one instruction or one clock at a time with the display on.
struct RunSpeed {
  enum class Unit : uint8_t { Full, Instructions, Clocks };

  Unit unit = Unit::Full;
  int perSecond = 0;  // steps per second of an animated run

  static constexpr RunSpeed Full() { return {}; }
  static constexpr RunSpeed InstructionsPerSecond(int count) { return {Unit::Instructions, count}; }
  static constexpr RunSpeed ClocksPerSecond(int count) { return {Unit::Clocks, count}; }
  // The speeds the workbench offers, full speed first, then the
  // instruction speeds, then the clock speeds, each slowest first.
  static const std::array<RunSpeed, 11>& Offered();

  bool Animated() const { return unit != Unit::Full; }
  // Time from one step of an animated run to the next; zero at full speed.
  std::chrono::milliseconds Interval() const;
  // "Full speed", "5 instructions per second", "1 clock per second".
  std::string Text() const;

  bool operator==(const RunSpeed&) const = default;
};

}  // namespace tav2
