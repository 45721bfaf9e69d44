#include "workbenchtest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace tav2::test {

void WorkbenchTest::SetUp() {
  ASSERT_TRUE(home_.isValid());
  for (const char* name : {MainWindow::kStartupMicrocode, MainWindow::kNewMicrocode}) {
    ASSERT_TRUE(QFile::copy(QString(TAV2_HOME "/") + name, home_.filePath(name)));
  }
  QDir(home_.path()).mkpath("sources");
  QDir(home_.path()).mkpath("include");
  savedDir_ = QDir::currentPath();
  QDir::setCurrent(home_.path());
}

void WorkbenchTest::TearDown() {
  mainWindow_.reset();
  QDir::setCurrent(savedDir_);
}

MainWindow& WorkbenchTest::Start(const QString& file) {
  QStringList arguments{home_.filePath("tav2")};
  if (!file.isEmpty()) arguments << file;
  mainWindow_ = std::make_unique<MainWindow>(arguments);
  mainWindow_->show();
  return *mainWindow_;
}

QString WorkbenchTest::Write(const QString& name, const QByteArray& bytes) const {
  const QString path = home_.filePath(name);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

QByteArray WorkbenchTest::Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

EditorWindow* WorkbenchTest::NewEditor(EditKind kind, const QString& text) {
  EditorWindow* editor = mainWindow_->NewSourceFile(kind);
  if (!text.isEmpty()) Type(editor, text);
  return editor;
}

QAction* WorkbenchTest::Item(const char* name) const {
  return mainWindow_->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QToolButton* WorkbenchTest::Button(const char* name) const {
  return mainWindow_->findChild<QToolButton*>(name);
}

QAction* WorkbenchTest::EditorItem(const EditorWindow* editor, const char* name) {
  return editor->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void WorkbenchTest::ClickControl(const EditorWindow* editor, const char* name) {
  Control<QToolButton>(editor, name)->click();
}

EditorWindow* WorkbenchTest::Slot(int slot) const { return mainWindow_->Editors().At(slot); }

void WorkbenchTest::Type(EditorWindow* editor, const QString& text) {
  QTextCursor cursor = editor->Text()->textCursor();
  cursor.select(QTextCursor::Document);
  cursor.insertText(text);
}

QString WorkbenchTest::RedLine(const EditorWindow* editor) {
  const QList<QTextEdit::ExtraSelection> lines = editor->Text()->extraSelections();
  return lines.isEmpty() ? QString() : lines.first().cursor.selectedText();
}

}  // namespace tav2::test
