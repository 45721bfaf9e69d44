#pragma once
#include <QByteArray>
#include <QPlainTextEdit>
#include <QString>
#include <string_view>

namespace tav2 {

// The text of a text control as the core's editing functions take it: one
// byte per character (Latin-1) and one "\n" per line break, so that every
// offset is the position a QTextCursor uses.
class CoreText {
 public:
  explicit CoreText(const QString& text) : bytes_(text.toLatin1()) {}
  explicit CoreText(const QPlainTextEdit& edit) : CoreText(edit.toPlainText()) {}

  std::string_view View() const { return {bytes_.constData(), static_cast<std::size_t>(bytes_.size())}; }

 private:
  QByteArray bytes_;
};

}  // namespace tav2
