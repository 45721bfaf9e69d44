#pragma once
#include <QObject>
#include <QPointer>
#include <string>

class QPlainTextEdit;

namespace tav2 {

// The red source line of an editor: the line of an error or of the
// processor's current instruction, shown in red over the text. It is an
// extra selection of the control, so it never changes the document, the
// undo ring or the modified flag.
//
// The line ends are looked up in a copy of the text taken once per build
// (MarkTextCacheStale), as the processor highlights a line after every step;
// positions refer to the text as it was built.
class SourceLineHighlight : public QObject {
  Q_OBJECT

 public:
  explicit SourceLineHighlight(QPlainTextEdit* edit);
  ~SourceLineHighlight() override;

  // The text copy is taken again before the next highlight (every build
  // button sets this).
  static void MarkTextCacheStale();
  static bool TextCacheStale();

  bool IsShown() const { return shown_; }
  int Start() const { return start_; }
  int Length() const { return length_; }

 public slots:
  // Removes the old highlight; position 0 shows nothing, any other shows the
  // line that holds `position` in red and puts the caret there.
  void ShowSourceLine(int position);
  void ClearSourceLine();

 private:
  const std::string& TextCopy();

  QPlainTextEdit* edit_;
  int start_ = 0;
  int length_ = 0;
  bool shown_ = false;
};

}  // namespace tav2
