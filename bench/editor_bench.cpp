// Times the source editor on a coloured 20 000-line assembler source: loading
// and colouring the whole text, and typing one character in a middle line
// (until its colouring and repaint are done), averaged over many characters;
// without and with the line-number gutter, side by side.
#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>

#include "gui/editor/editcommands.h"
#include "gui/editor/linenumbergutter.h"
#include "gui/editor/sourcehighlighter.h"
#include "core/sim/mcrom.h"

namespace {

using namespace tav2;

constexpr int kLines = 20000;
constexpr int kTypedCharacters = 2000;
constexpr int kRounds = 3;

void Define(Mcrom& mcrom, int index, const char* name) {
  McromEntry entry;
  entry.SetName(name);
  entry.opcode = static_cast<uint32_t>(index);
  mcrom.SetEntry(index, entry);
}

QString Source() {
  static const char* const kLinesOfAProgram[] = {
      "loop:   MOVE R1, (count)     // the counter",
      "        ADD R1, 0FFH",
      "        CMP R1, 12",
      "        BNE loop",
      "/* a block comment",
      "   over two lines */",
      "        PUSH R2 ; saved",
      "value:  DAT 1, 2, 3, 4",
  };
  QString text = "; generated source\n##\nbegin:\n";
  for (int i = 0; i < kLines; ++i) {
    text += kLinesOfAProgram[static_cast<std::size_t>(i) % std::size(kLinesOfAProgram)];
    text += '\n';
  }
  return text + "        HALT\n        END\n##\n";
}

void Type(QWidget& widget, QChar ch) {
  QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
  QApplication::sendEvent(&widget, &press);
  QKeyEvent release(QEvent::KeyRelease, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
  QApplication::sendEvent(&widget, &release);
}

struct Timing {
  int lines = 0;
  double loadMs = 0;
  double typedMs = 0;
};

Timing Best(const Timing& kept, const Timing& measured) {
  if (kept.lines == 0) return measured;
  return {measured.lines, std::min(kept.loadMs, measured.loadMs), std::min(kept.typedMs, measured.typedMs)};
}

// One editor, with or without the line-number gutter beside its text.
Timing Measure(const Mcrom& mcrom, const QString& source, bool withGutter) {
  QWidget window;
  auto* row = new QHBoxLayout(&window);
  row->setSpacing(0);
  auto* edit = new QPlainTextEdit(&window);
  if (withGutter) {
    auto* gutter = new LineNumberGutter(edit, &window);
    gutter->ShowBreakpointMarks(true);
    row->addWidget(gutter);
  }
  row->addWidget(edit, 1);
  window.resize(800, 600);
  window.show();
  auto* highlighter = new SourceHighlighter(edit->document(), mcrom, EditKind::AssemblerSource);
  EditCommands commands(edit, highlighter);
  QApplication::processEvents();

  Timing timing;
  QElapsedTimer load;
  load.start();
  edit->setPlainText(source);
  commands.InitialiseUndo();
  QApplication::processEvents();
  timing.loadMs = static_cast<double>(load.nsecsElapsed()) / 1e6;

  QTextCursor middle(edit->document()->findBlockByNumber(edit->document()->blockCount() / 2));
  middle.movePosition(QTextCursor::EndOfBlock);
  edit->setTextCursor(middle);
  edit->centerCursor();
  QApplication::processEvents();

  QElapsedTimer typing;
  typing.start();
  for (int i = 0; i < kTypedCharacters; ++i) {
    Type(*edit, QLatin1Char(i % 10 == 9 ? ' ' : static_cast<char>('a' + i % 26)));
    QApplication::processEvents();
  }
  timing.typedMs = static_cast<double>(typing.nsecsElapsed()) / 1e6 / kTypedCharacters;
  timing.lines = edit->document()->blockCount();
  return timing;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  Mcrom mcrom;
  const char* const names[] = {"ADD", "MOVE", "CMP", "BNE", "PUSH", "HALT"};
  for (int i = 0; i < static_cast<int>(std::size(names)); ++i) Define(mcrom, i + 1, names[i]);
  const QString source = Source();

  // The two editors take turns, and each keeps its best round, so that a
  // busy machine weighs on both alike.
  Timing plain;
  Timing numbered;
  for (int round = 0; round < kRounds; ++round) {
    plain = Best(plain, Measure(mcrom, source, false));
    numbered = Best(numbered, Measure(mcrom, source, true));
  }
  std::printf("source: %d lines, %lld characters\n", plain.lines, static_cast<long long>(source.size()));
  std::printf("%-28s %12s %14s\n", "", "no gutter", "line numbers");
  std::printf("%-28s %9.1f ms %11.1f ms\n", "load and colour:", plain.loadMs, numbered.loadMs);
  std::printf("%-28s %9.3f ms %11.3f ms\n", "typed character (average):", plain.typedMs, numbered.typedMs);
  std::printf("(average of %d characters each, best of %d rounds)\n", kTypedCharacters, kRounds);
  return 0;
}
