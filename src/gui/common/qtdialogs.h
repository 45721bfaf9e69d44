#pragma once
#include "gui/common/dialogs.h"

class QPrinter;

namespace tav2 {

// The workbench's dialogs as Qt shows them.
class QtDialogs : public Dialogs {
 public:
  void ShowError(QWidget* parent, const QString& text) override;
  void ShowInfo(QWidget* parent, const QString& text) override;
  Answer ShowWarning(QWidget* parent, const QString& text) override;
  Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
  std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& label,
                                 const QString& text) override;
  QString OpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                       const QString& filters, int* filterIndex) override;
  QString SaveFileName(QWidget* parent, const QString& caption, const QString& fileName,
                       const QString& filters, int* filterIndex, bool confirmOverwrite) override;
  std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
  std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) override;
  bool Print(QWidget* parent, QTextDocument& document) override;

  // Print to PDF proposes the document's own folder and base name with
  // ".pdf"; the printer chosen first stays the default one.
  static void ProposePdfFile(QPrinter& printer);
  // The PDF file for a document titled by its file name.
  static QString PdfFileName(const QString& documentTitle);
};

}  // namespace tav2
