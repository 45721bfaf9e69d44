#pragma once
// Runs a measurement with the debugger's history recording off and on,
// turn about, printing each run, and then the best speed of each and their
// ratio: the cost of recording, measured under one and the same load.
#include <cstdint>
#include <cstddef>
#include <cstdio>

namespace tav2::bench {

struct Measurement {
  uint64_t steps = 0;
  uint64_t instructions = 0;
  double seconds = 0;
  std::size_t historyBytes = 0;
  double StepsPerSecond() const { return static_cast<double>(steps) / seconds; }
};

inline void Print(const char* what, const Measurement& m) {
  std::printf(
      "%s: %llu instructions, %llu micro-steps in %.3f s, %.1f million micro-steps per second, "
      "history %.2f MB\n",
      what, static_cast<unsigned long long>(m.instructions), static_cast<unsigned long long>(m.steps),
      m.seconds, m.StepsPerSecond() / 1e6, static_cast<double>(m.historyBytes) / (1 << 20));
}

// `run(recording)` makes one measurement.
template <class Run>
void CompareRecording(int rounds, Run run) {
  Measurement bestOff;
  Measurement bestOn;
  for (int round = 0; round < rounds; ++round) {
    for (const bool recording : {false, true}) {
      const Measurement m = run(recording);
      Print(recording ? "recording on " : "recording off", m);
      Measurement& best = recording ? bestOn : bestOff;
      if (best.seconds == 0 || m.StepsPerSecond() > best.StepsPerSecond()) best = m;
    }
  }
  std::printf("best: recording off %.1f, on %.1f million micro-steps per second; on/off %.3f\n",
              bestOff.StepsPerSecond() / 1e6, bestOn.StepsPerSecond() / 1e6,
              bestOn.StepsPerSecond() / bestOff.StepsPerSecond());
}

}  // namespace tav2::bench
