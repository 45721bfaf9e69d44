#include "gui/common/qtdialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace tav2 {

namespace {

Dialogs* installed = nullptr;

const QString kCaption = QStringLiteral("TAV2");

// The filter at a 1-based index of a ";;"-separated list, or the first.
QString FilterAt(const QString& filters, const int* index) {
  const QStringList list = filters.split(QStringLiteral(";;"));
  const int i = index != nullptr ? *index - 1 : 0;
  return i >= 0 && i < list.size() ? list[i] : list.value(0);
}

void StoreFilterIndex(const QString& filters, const QString& chosen, int* index) {
  if (index == nullptr) return;
  const auto i = static_cast<int>(filters.split(QStringLiteral(";;")).indexOf(chosen));
  if (i >= 0) *index = i + 1;
}

}  // namespace

Dialogs& Dialogs::Current() {
  static QtDialogs qtDialogs;
  return installed != nullptr ? *installed : qtDialogs;
}

void Dialogs::Install(Dialogs* dialogs) { installed = dialogs; }

void QtDialogs::ShowError(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, kCaption, text, QMessageBox::Ok);
}

void QtDialogs::ShowInfo(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, kCaption, text, QMessageBox::Ok);
}

Dialogs::Answer QtDialogs::ShowWarning(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, kCaption, text, QMessageBox::Ok);
  return Answer::Ok;
}

Dialogs::Answer QtDialogs::AskYesNoCancel(QWidget* parent, const QString& text) {
  switch (QMessageBox::warning(parent, kCaption, text,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

std::optional<QString> QtDialogs::AskText(QWidget* parent, const QString& caption, const QString& label,
                                          const QString& text) {
  bool ok = false;
  QString answer = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, text, &ok);
  if (!ok) return std::nullopt;
  return answer;
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filters, int* filterIndex) {
  QString chosen = FilterAt(filters, filterIndex);
  const QString name = QFileDialog::getOpenFileName(parent, caption, directory, filters, &chosen);
  if (!name.isEmpty()) StoreFilterIndex(filters, chosen, filterIndex);
  return name;
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& fileName,
                                const QString& filters, int* filterIndex, bool confirmOverwrite) {
  QString chosen = FilterAt(filters, filterIndex);
  const QString name = QFileDialog::getSaveFileName(
      parent, caption, fileName, filters, &chosen,
      confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
  if (!name.isEmpty()) StoreFilterIndex(filters, chosen, filterIndex);
  return name;
}

std::optional<QFont> QtDialogs::ChooseFont(QWidget* parent, const QFont& initial) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, parent);
  return ok ? std::optional<QFont>(font) : std::nullopt;
}

std::optional<QColor> QtDialogs::ChooseColour(QWidget* parent, const QColor& initial) {
  const QColor colour = QColorDialog::getColor(initial, parent);
  return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

bool QtDialogs::Print(QWidget* parent, QTextDocument& document) {
  QPrinter printer;
  printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
  ProposePdfFile(printer);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  document.print(&printer);
  return true;
}

// Without a file name of its own the dialog would propose the home folder
// followed by the whole title, a path that does not exist.
void QtDialogs::ProposePdfFile(QPrinter& printer) {
  const bool native = printer.outputFormat() == QPrinter::NativeFormat;
  printer.setOutputFileName(PdfFileName(printer.docName()));
  if (native) printer.setOutputFormat(QPrinter::NativeFormat);
}

QString QtDialogs::PdfFileName(const QString& documentTitle) {
  const QFileInfo source(documentTitle);
  const QString base = source.completeBaseName().isEmpty() ? source.fileName() : source.completeBaseName();
  return source.absoluteDir().filePath(base + ".pdf");
}

}  // namespace tav2
