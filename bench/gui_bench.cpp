// Runs the benchmark example with Go in the workbench (offscreen) with the
// processor window, the terminal screen and three memory views open, at
// 100 % and at 200 % zoom, runs tav2-cli on the same program, and prints
// the GUI's speed at each zoom as a share of the headless speed.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>

#include "gui/editor/editorwindow.h"
#include "gui/common/dialogs.h"
#include "gui/shell/mainwindow.h"
#include "gui/sim/memoryview.h"
#include "gui/sim/processorwindow.h"

namespace {

// Message boxes go to standard error: nobody is there to press OK.
class PrintingDialogs : public tav2::Dialogs {
 public:
  void ShowError(QWidget*, const QString& text) override { Print("error", text); }
  void ShowInfo(QWidget*, const QString& text) override { Print("info", text); }
  Answer ShowWarning(QWidget*, const QString& text) override {
    Print("warning", text);
    return Answer::Ok;
  }
  Answer AskYesNoCancel(QWidget*, const QString& text) override {
    Print("question", text);
    return Answer::No;
  }
  std::optional<QString> AskText(QWidget*, const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&, int*) override { return {}; }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, int*, bool) override {
    return {};
  }
  std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
  std::optional<QColor> ChooseColour(QWidget*, const QColor&) override { return std::nullopt; }
  bool Print(QWidget*, QTextDocument&) override { return false; }

 private:
  static void Print(const char* kind, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", kind, qPrintable(text));
  }
};

struct Measure {
  double microSteps = 0;
  double seconds = 0;
  double PerSecond() const { return seconds > 0 ? microSteps / seconds : 0; }
};

Measure RunInWorkbench(const QString& program, const QString& home, int zoomPercent) {
  tav2::MainWindow mainWindow({home + "/gui_bench"});
  mainWindow.show();
  mainWindow.SetZoom(*tav2::ZoomLevel::FromPercent(zoomPercent));
  mainWindow.ShowScreenWindow();
  for (int i = 0; i < 3; ++i) mainWindow.NewMemoryView();
  // One view on the sieve's first page, where the run writes all the time.
  if (tav2::MemoryView* view = mainWindow.FindMemoryView(2)) view->Configure(0x0100, view->ColumnSwitches());
  tav2::EditorWindow* editor = mainWindow.OpenSourceFile(program);
  if (editor == nullptr) return {};
  QCoreApplication::processEvents();

  QElapsedTimer clock;
  clock.start();
  editor->OnGoClicked();
  tav2::ProcessorWindow* processor = mainWindow.FindProcessorWindow();
  if (processor == nullptr) return {};
  if (processor->Running()) {
    QEventLoop loop;
    QObject::connect(processor, &tav2::ProcessorWindow::goEnded, &loop, &QEventLoop::quit);
    loop.exec();
  }
  Measure measure;
  measure.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  measure.microSteps = static_cast<double>(processor->Cpu().State().microSteps);
  return measure;
}

Measure RunHeadless(const QString& program, const QString& home) {
  QProcess cli;
  cli.start(home + "/tav2-cli", {"run", "--stats", program});
  cli.waitForFinished(-1);
  const QString stats = QString::fromLocal8Bit(cli.readAllStandardError());
  Measure measure;
  measure.microSteps = QRegularExpression("micro-steps: (\\d+)").match(stats).captured(1).toDouble();
  measure.seconds = QRegularExpression("seconds: ([0-9.]+)").match(stats).captured(1).toDouble();
  return measure;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  PrintingDialogs dialogs;
  tav2::Dialogs::Install(&dialogs);
  const QString home = QCoreApplication::applicationDirPath();
  const QString program = home + "/sources/primes.asm";

  const Measure headless = RunHeadless(program, home);
  std::printf("tav2-cli run: %.0f micro-steps in %.3f s, %.1f million per second\n", headless.microSteps,
              headless.seconds, headless.PerSecond() / 1e6);
  for (const int zoom : {100, 200}) {
    const Measure gui = RunInWorkbench(program, home, zoom);
    std::printf("workbench Go at %d %% zoom: %.0f micro-steps in %.3f s, %.1f million per second\n", zoom,
                gui.microSteps, gui.seconds, gui.PerSecond() / 1e6);
    const double share = headless.PerSecond() > 0 ? 100 * gui.PerSecond() / headless.PerSecond() : 0;
    std::printf("GUI Go at %d %% zoom at %.0f %% of headless\n", zoom, share);
  }
  tav2::Dialogs::Install(nullptr);
  return 0;
}
