#pragma once
// Dialogs for tests: every message is recorded, and questions and choices
// are answered from queues the test fills (the default answer when empty).
#include <QStringList>
#include <deque>

#include "gui/shell/dialogs.h"

namespace tav2::test {

class ScriptedDialogs : public Dialogs {
 public:
  QStringList messages;  // "error: ...", "info: ...", "warning: ...", "ask: ..."
  std::deque<Answer> answers;  // for AskYesNoCancel; Cancel when empty
  std::deque<QString> fileNames;  // for the file dialogs; cancelled when empty
  std::deque<int> filterIndexes;  // chosen filter of the next file dialog, if any
  std::optional<QFont> font;
  std::optional<QColor> colour;
  int printed = 0;

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
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&, int* index) override {
    return TakeFile(index);
  }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, int* index) override {
    return TakeFile(index);
  }
  std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return font; }
  std::optional<QColor> ChooseColour(QWidget*, const QColor&) override { return colour; }
  bool Print(QWidget*, QTextDocument&) override {
    ++printed;
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
