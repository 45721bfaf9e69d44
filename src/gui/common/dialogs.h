#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;
class QTextDocument;

namespace tav2 {

// Every message box and standard dialog of the workbench goes through this
// interface, so that tests can install one that answers without a person.
class Dialogs {
 public:
  enum class Answer { Ok, Yes, No, Cancel };

  virtual ~Dialogs() = default;

  virtual void ShowError(QWidget* parent, const QString& text) = 0;
  virtual void ShowInfo(QWidget* parent, const QString& text) = 0;
  virtual Answer ShowWarning(QWidget* parent, const QString& text) = 0;
  virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
  // One line of text, `text` proposed; none when cancelled.
  virtual std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& label,
                                         const QString& text = QString()) = 0;

  // File dialogs: the chosen name, or empty when cancelled. `filterIndex`
  // (1-based) selects the filter shown first and receives the one chosen.
  // The save dialog asks before an existing file is chosen only when
  // `confirmOverwrite` is set.
  virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                               const QString& filters, int* filterIndex) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& fileName,
                               const QString& filters, int* filterIndex, bool confirmOverwrite) = 0;
  virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;
  virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) = 0;
  // Prints a document, titled by its DocumentTitle, after the print dialog;
  // false when cancelled.
  virtual bool Print(QWidget* parent, QTextDocument& document) = 0;

  // The dialogs in use; the Qt dialogs unless a test installed others.
  static Dialogs& Current();
  // Installs `dialogs` (nullptr: back to the Qt dialogs); not owned.
  static void Install(Dialogs* dialogs);
};

}  // namespace tav2
