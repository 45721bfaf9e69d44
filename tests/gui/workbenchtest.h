#pragma once
// A workbench started in a fresh home directory (the micro-code files of
// data/ copied in, sources/ and include/ empty), which is also the current
// directory, with scripted dialogs installed.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "gui/editor/editorwindow.h"
#include "gui/shell/mainwindow.h"
#include "scripteddialogs.h"

class QAction;
class QToolButton;

namespace tav2::test {

class WorkbenchTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates and shows the main window; `file` is its command-line file.
  MainWindow& Start(const QString& file = {});
  MainWindow& Main() { return *mainWindow_; }

  QString Home() const { return home_.path(); }
  QString HomePath(const QString& name) const { return home_.filePath(name); }
  // Writes a file below the home directory (directories created) and gives its path.
  QString Write(const QString& name, const QByteArray& bytes) const;
  static QByteArray Read(const QString& path);
  // Writes the file and opens it in an editor.
  EditorWindow* Open(const QString& name, const QByteArray& bytes) {
    return Main().OpenSourceFile(Write(name, bytes));
  }
  // A new untitled editor of that kind, holding `text` when given.
  EditorWindow* NewEditor(EditKind kind, const QString& text = {});

  // The main window's own menu item or bar button of that name.
  QAction* Item(const char* name) const;
  QToolButton* Button(const char* name) const;
  // The editor's own menu item or control of that name.
  static QAction* EditorItem(const EditorWindow* editor, const char* name);
  template <class Widget>
  static Widget* Control(const EditorWindow* editor, const char* name) {
    return editor->findChild<Widget*>(name);
  }
  static void ClickControl(const EditorWindow* editor, const char* name);
  EditorWindow* Slot(int slot) const;
  // Replaces the editor's text as the user would, so that it counts as a change.
  static void Type(EditorWindow* editor, const QString& text);
  // The text of the editor's red line; empty when none is shown.
  static QString RedLine(const EditorWindow* editor);

  ScriptedDialogs dialogs;

 private:
  QTemporaryDir home_;
  QString savedDir_;
  std::unique_ptr<MainWindow> mainWindow_;
};

}  // namespace tav2::test
