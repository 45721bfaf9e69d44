// Times the source editor on a coloured 20 000-line assembler source: loading
// and colouring the whole text, and typing one character in a middle line
// (until its colouring and repaint are done), averaged over many characters.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <cstdio>

#include "gui/editor/editcommands.h"
#include "gui/editor/sourcehighlighter.h"
#include "core/sim/mcrom.h"

namespace {

using namespace tav2;

constexpr int kLines = 20000;
constexpr int kTypedCharacters = 2000;

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

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  Mcrom mcrom;
  const char* const names[] = {"ADD", "MOVE", "CMP", "BNE", "PUSH", "HALT"};
  for (int i = 0; i < static_cast<int>(std::size(names)); ++i) Define(mcrom, i + 1, names[i]);
  const QString source = Source();

  QPlainTextEdit edit;
  edit.resize(800, 600);
  edit.show();
  auto* highlighter = new SourceHighlighter(edit.document(), mcrom, EditKind::AssemblerSource);
  EditCommands commands(&edit, highlighter);
  QApplication::processEvents();

  QElapsedTimer load;
  load.start();
  edit.setPlainText(source);
  commands.InitialiseUndo();
  QApplication::processEvents();
  const double loadMs = static_cast<double>(load.nsecsElapsed()) / 1e6;

  QTextCursor middle(edit.document()->findBlockByNumber(edit.document()->blockCount() / 2));
  middle.movePosition(QTextCursor::EndOfBlock);
  edit.setTextCursor(middle);
  edit.centerCursor();
  QApplication::processEvents();

  QElapsedTimer typing;
  typing.start();
  for (int i = 0; i < kTypedCharacters; ++i) {
    Type(edit, QLatin1Char(i % 10 == 9 ? ' ' : static_cast<char>('a' + i % 26)));
    QApplication::processEvents();
  }
  const double typedMs = static_cast<double>(typing.nsecsElapsed()) / 1e6 / kTypedCharacters;

  std::printf("source: %d lines, %lld characters\n", edit.document()->blockCount(),
              static_cast<long long>(source.size()));
  std::printf("load and colour: %.1f ms\n", loadMs);
  std::printf("typed character: %.3f ms (average of %d)\n", typedMs, kTypedCharacters);
  return 0;
}
