#pragma once
#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

#include "core/shell/layoutdefaults.h"

namespace tav2 {

class FigureHost;

// The manual's datapath figures, drawn by the processor window itself, so
// that they always show what the window shows. For each size mode three
// clocks of a short program are drawn, each as the window while Clock is
// held down (the read half: the bus source green, MDR blue towards memory)
// beside the window after Clock is released (the write half: the
// destinations yellow, MDR aqua from memory):
//   datapath-SIZE-fetch.png         MAR := PC; A := PC; ALU := _INC;
//   datapath-SIZE-memory-read.png   MDR := MEM; PC := C;
//   datapath-SIZE-memory-write.png  MEM := MDR; (the last clock of PUSH)
// SIZE is "large" or "small".
class DatapathFigures {
 public:
  // `microcode`: the start-up micro-code the program runs on.
  explicit DatapathFigures(std::filesystem::path microcode) : microcode_(std::move(microcode)) {}

  // Draws every figure into `directory` (created when missing); the reason
  // when a figure cannot be made.
  std::optional<std::string> WriteAll(const std::filesystem::path& directory) const;

 private:
  struct Clock {
    QImage readHalf;
    QImage writeHalf;
  };

  std::optional<std::string> WriteSize(SizeMode mode, const std::filesystem::path& directory) const;
  std::optional<std::string> LoadMachine(FigureHost& host) const;
  static Clock DrawClock(FigureHost& host);
  static QImage SideBySide(const Clock& clock);
  static std::optional<std::string> Save(const QImage& image, const std::filesystem::path& file);

  std::filesystem::path microcode_;
};

}  // namespace tav2
