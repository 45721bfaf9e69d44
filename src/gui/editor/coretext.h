#pragma once
#include <QByteArray>
#include <QPlainTextEdit>
#include <QString>
#include <QTextDocument>
#include <string_view>

namespace tav2 {

// The text of a text control as the core's editing functions take it: one
// byte per character (Latin-1) and one "\n" per line break, so that every
// offset is the position a QTextCursor uses.
class CoreText {
 public:
  explicit CoreText(const QString& text) : bytes_(text.toLatin1()) {}
  explicit CoreText(const QPlainTextEdit& edit) : CoreText(PlainText(edit)) {}

  // The control's text with "\n" for each line break. Unlike toPlainText it
  // keeps a no-break space (0xA0) as it is, so that a file's bytes survive.
  static QString PlainText(const QPlainTextEdit& edit) {
    QString text = edit.document()->toRawText();
    for (QChar& ch : text) {
      if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator) ch = QLatin1Char('\n');
    }
    return text;
  }

  std::string_view View() const { return {bytes_.constData(), static_cast<std::size_t>(bytes_.size())}; }

 private:
  QByteArray bytes_;
};

}  // namespace tav2
