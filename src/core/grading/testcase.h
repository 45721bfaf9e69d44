#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/grading/runexit.h"
#include "core/sim/processorstate.h"

namespace tav2 {

// One case of a case file: what the program is given, what it must do, and
// the limits of its run.
struct TestCase {
  static constexpr uint64_t kDefaultMaxSteps = 100'000'000;
  static constexpr std::size_t kDefaultMaxOutput = 1'000'000;
  static constexpr double kDefaultMaxSeconds = 10;

  struct RegisterValue {
    Reg reg;
    uint16_t value;
  };
  struct MemoryWords {
    uint16_t address;
    std::vector<uint16_t> words;
  };

  std::string name;
  std::string input;  // what the read services get; "\n" arrives as 13
  double points = 1;

  // Expectations; the exit is a normal halt unless the case names another.
  std::optional<std::string> output;
  std::vector<std::string> outputContains;
  RunExit exit = RunExit::Halted;
  std::vector<RegisterValue> registers;
  std::vector<MemoryWords> memory;
  std::optional<uint64_t> maxInstructions;

  // The run.
  std::optional<uint16_t> start;  // assembled from here (the default start otherwise)
  uint16_t stackPointer = 0x7FFF;
  uint64_t maxSteps = kDefaultMaxSteps;
  std::size_t maxOutput = kDefaultMaxOutput;
  double maxSeconds = kDefaultMaxSeconds;
};

}  // namespace tav2
