#pragma once
// Helpers for the editor tests: key events sent to a text control as a
// person would type them, and the colours the highlighter gave a position.
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include "qtprinters.h"


namespace tav2::test {

inline void PressKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(&widget, &release);
}

// Types every character of `text` ("\n" is Enter, "\t" is Tab).
inline void TypeText(QWidget& widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch == QLatin1Char('\n')) {
      PressKey(widget, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    } else if (ch == QLatin1Char('\t')) {
      PressKey(widget, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    } else {
      PressKey(widget, QChar(ch).toUpper().unicode(), Qt::NoModifier, QString(ch));
    }
  }
}

inline void PressTimes(QWidget& widget, int key, int times) {
  for (int i = 0; i < times; ++i) PressKey(widget, key);
}

inline void PlaceCaret(QPlainTextEdit& edit, int position, int selectionLength = 0) {
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(position);
  cursor.setPosition(position + selectionLength, QTextCursor::KeepAnchor);
  edit.setTextCursor(cursor);
}

inline int Caret(const QPlainTextEdit& edit) { return edit.textCursor().position(); }

// The highlighter's format of the character at `position`.
inline QTextCharFormat FormatAt(const QTextDocument& document, int position) {
  const QTextBlock block = document.findBlock(position);
  const int inBlock = position - block.position();
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    if (inBlock >= range.start && inBlock < range.start + range.length) return range.format;
  }
  return {};
}

// Colour (as #rrggbb, "" when none is set), bold and italic of a position.
struct Look {
  QString colour;
  bool bold = false;
  bool italic = false;

  bool operator==(const Look&) const = default;
};

inline Look LookAt(const QTextDocument& document, int position) {
  const QTextCharFormat format = FormatAt(document, position);
  const QString colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color().name() : "";
  return Look{colour, format.fontWeight() == QFont::Bold, format.fontItalic()};
}

inline std::ostream& operator<<(std::ostream& out, const Look& look) {
  return out << "{" << look.colour.toStdString() << (look.bold ? " bold" : "") << (look.italic ? " italic" : "")
             << "}";
}

}  // namespace tav2::test
