#pragma once
// Dialogs for tests: every message is recorded, and questions and choices
// are answered from queues the test fills (the default answer when empty).
#include <QStringList>
#include <QTextDocument>
#include <deque>
#include <vector>

#include "gui/common/dialogs.h"
#include "qtprinters.h"

namespace tav2::test {

class ScriptedDialogs : public Dialogs {
 public:
  // What a file dialog was opened with.
  struct FileRequest {
    QString kind;  // "open" or "save"
    QString caption;
    QString place;  // the directory of an open dialog, the file name of a save dialog
    QString filters;
    int filterIndex = 0;
    bool confirmOverwrite = false;
  };

  QStringList messages;           // "error: ...", "info: ...", "warning: ...", "ask: ...",
                                  // "text: CAPTION: LABEL [PROPOSED]"
  std::deque<Answer> answers;     // for AskYesNoCancel; Cancel when empty
  std::deque<QString> fileNames;  // for the file dialogs; cancelled when empty
  std::deque<QString> texts;      // for AskText; cancelled when empty
  std::deque<int> filterIndexes;  // chosen filter of the next file dialog, if any
  std::optional<QFont> font;
  std::optional<QColor> colour;
  int printed = 0;
  QStringList printedTitles;
  std::vector<FileRequest> fileRequests;

  ScriptedDialogs() { Install(this); }
  ~ScriptedDialogs() override { Install(nullptr); }

  void ShowError(QWidget*, const QString& text) override { messages << "error: " + text; }
  void ShowInfo(QWidget*, const QString& text) override { messages << "info: " + text; }
  Answer ShowWarning(QWidget*, const QString& text) override {
    messages << "warning: " + text;
    return Answer::Ok;
  }
  Answer AskYesNoCancel(QWidget*, const QString& text) override {
    messages << "ask: " + text;
    return Take(answers, Answer::Cancel);
  }
  std::optional<QString> AskText(QWidget*, const QString& caption, const QString& label,
                                 const QString& text) override {
    messages << "text: " + caption + ": " + label + " [" + text + "]";
    if (texts.empty()) return std::nullopt;
    return Take(texts, QString());
  }
  QString OpenFileName(QWidget*, const QString& caption, const QString& directory, const QString& filters,
                       int* index) override {
    fileRequests.push_back({"open", caption, directory, filters, index != nullptr ? *index : 0, false});
    return TakeFile(index);
  }
  QString SaveFileName(QWidget*, const QString& caption, const QString& fileName, const QString& filters,
                       int* index, bool confirmOverwrite) override {
    fileRequests.push_back(
        {"save", caption, fileName, filters, index != nullptr ? *index : 0, confirmOverwrite});
    return TakeFile(index);
  }
  std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return font; }
  std::optional<QColor> ChooseColour(QWidget*, const QColor&) override { return colour; }
  bool Print(QWidget*, QTextDocument& document) override {
    ++printed;
    printedTitles << document.metaInformation(QTextDocument::DocumentTitle);
    return true;
  }

 private:
  template <typename T>
  static T Take(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
  QString TakeFile(int* index) {
    if (index != nullptr && !filterIndexes.empty()) *index = Take(filterIndexes, 1);
    return Take(fileNames, QString());
  }
};

}  // namespace tav2::test
