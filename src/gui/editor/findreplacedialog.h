#pragma once
#include <QDialog>

#include "core/editor/textsearch.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tav2 {

// The modeless Find dialog ("FindDialog1": search text, whole word, match
// case, direction) and Replace dialog ("ReplaceDialog1": search and
// replacement text, whole word, match case; it always searches downward).
// The dialog only collects what the user asks; the editor does the work.
class FindReplaceDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Kind { Find, Replace };

  FindReplaceDialog(Kind kind, QWidget* parent);

  Kind DialogKind() const { return kind_; }
  QString SearchText() const;
  QString ReplaceText() const;
  SearchOptions Options() const;

  void SetSearchText(const QString& text);
  void SetReplaceText(const QString& text);
  void SetOptions(const SearchOptions& options);

 signals:
  void findNext();
  void replace();
  void replaceAll();

 private:
  QPushButton* AddButton(const char* name, const QString& caption);

  Kind kind_;
  QLineEdit* findText_ = nullptr;
  QLineEdit* replaceText_ = nullptr;
  QCheckBox* wholeWord_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QRadioButton* up_ = nullptr;
  QRadioButton* down_ = nullptr;
  QWidget* buttons_ = nullptr;
};

}  // namespace tav2
