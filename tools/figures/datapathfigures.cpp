#include "datapathfigures.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <system_error>

#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "figurehost.h"

namespace tav2 {

namespace {

// Fetches ADD (clocks 1 and 2 make the first two figures) and runs on to
// PUSH's memory write.
constexpr std::string_view kProgram =
    "##\n"
    "begin   ADD R1, 5\n"
    "        PUSH R1\n"
    "        HALT\n"
    "##\n";
constexpr int kMostClocksToTheWrite = 40;
constexpr int kCaptionHeight = 22;
constexpr int kGap = 16;

std::string FirstError(const Scanner& translator, const std::string& what) {
  return what + (translator.Errors().empty() ? std::string() : ": " + translator.Errors().front().ListLine());
}

}  // namespace

std::optional<std::string> DatapathFigures::WriteAll(const std::filesystem::path& directory) const {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) return "can't create directory: " + directory.string() + " (" + error.message() + ")";
  for (SizeMode mode : {SizeMode::Big, SizeMode::Small}) {
    if (std::optional<std::string> failure = WriteSize(mode, directory)) return failure;
  }
  return std::nullopt;
}

std::optional<std::string> DatapathFigures::WriteSize(SizeMode mode,
                                                      const std::filesystem::path& directory) const {
  FigureHost host;
  if (std::optional<std::string> failure = LoadMachine(host)) return failure;
  ProcessorWindow& window = host.OpenProcessor(mode);
  const std::string prefix = mode == SizeMode::Big ? "datapath-large-" : "datapath-small-";

  if (auto failure = Save(SideBySide(DrawClock(host)), directory / (prefix + "fetch.png"))) return failure;
  if (auto failure = Save(SideBySide(DrawClock(host)), directory / (prefix + "memory-read.png")))
    return failure;
  for (int clock = 0; !window.Cpu().State().loaded.Lo(lo_bit::kMemWrite); ++clock) {
    if (clock == kMostClocksToTheWrite) return "the program never reached a memory write";
    window.OnClockPressed();
    window.OnClockReleased();
  }
  return Save(SideBySide(DrawClock(host)), directory / (prefix + "memory-write.png"));
}

std::optional<std::string> DatapathFigures::LoadMachine(FigureHost& host) const {
  Machine& machine = host.Hardware();
  MicrocodeParser microcode(machine.mcrom);
  microcode.loadAfterBuild = true;
  if (!microcode.ParseSourceFile(microcode_.string())) {
    return FirstError(microcode, "can't load the micro-code " + microcode_.string());
  }
  Assembler assembler(machine);
  assembler.loadAfterBuild = true;
  if (!assembler.ParseSource(kProgram, "figures.asm"))
    return FirstError(assembler, "can't assemble the program");
  return std::nullopt;
}

// One clock with the Clock button: the window held down, then released.
DatapathFigures::Clock DatapathFigures::DrawClock(FigureHost& host) {
  ProcessorWindow& window = *host.FindProcessorWindow();
  Clock clock;
  window.OnClockPressed();
  QCoreApplication::processEvents();
  clock.readHalf = host.Frame()->grab().toImage();
  window.OnClockReleased();
  QCoreApplication::processEvents();
  clock.writeHalf = host.Frame()->grab().toImage();
  return clock;
}

QImage DatapathFigures::SideBySide(const Clock& clock) {
  const int width = clock.readHalf.width() + kGap + clock.writeHalf.width();
  const int height = kCaptionHeight + std::max(clock.readHalf.height(), clock.writeHalf.height());
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  const int writeLeft = clock.readHalf.width() + kGap;
  painter.drawText(QRect(0, 0, clock.readHalf.width(), kCaptionHeight), Qt::AlignCenter,
                   QStringLiteral("Clock held down: read half"));
  painter.drawText(QRect(writeLeft, 0, clock.writeHalf.width(), kCaptionHeight), Qt::AlignCenter,
                   QStringLiteral("Clock released: write half"));
  painter.drawImage(0, kCaptionHeight, clock.readHalf);
  painter.drawImage(writeLeft, kCaptionHeight, clock.writeHalf);
  return image;
}

std::optional<std::string> DatapathFigures::Save(const QImage& image, const std::filesystem::path& file) {
  if (image.isNull() || !image.save(QString::fromStdString(file.string()), "PNG")) {
    return "can't write file: " + file.string();
  }
  return std::nullopt;
}

}  // namespace tav2
