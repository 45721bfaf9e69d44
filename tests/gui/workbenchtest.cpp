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
  for (const char* name : {TMainform::kStartupMicrocode, TMainform::kNewMicrocode}) {
    ASSERT_TRUE(QFile::copy(QString(TAV2_SOURCE_DIR "/data/") + name, home_.filePath(name)));
  }
  QDir(home_.path()).mkpath("sources");
  QDir(home_.path()).mkpath("include");
  savedDir_ = QDir::currentPath();
  QDir::setCurrent(home_.path());
}

void WorkbenchTest::TearDown() {
  mainform_.reset();
  QDir::setCurrent(savedDir_);
}

TMainform& WorkbenchTest::Start(const QString& file) {
  QStringList arguments{home_.filePath("tav2")};
  if (!file.isEmpty()) arguments << file;
  mainform_ = std::make_unique<TMainform>(arguments);
  mainform_->show();
  return *mainform_;
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

TEditform* WorkbenchTest::NewEditor(EditKind kind, const QString& text) {
  TEditform* editor = mainform_->NewSourceFile(kind);
  if (!text.isEmpty()) Type(editor, text);
  return editor;
}

QAction* WorkbenchTest::Item(const char* name) const {
  return mainform_->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QToolButton* WorkbenchTest::Button(const char* name) const { return mainform_->findChild<QToolButton*>(name); }

QAction* WorkbenchTest::EditorItem(const TEditform* editor, const char* name) {
  return editor->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void WorkbenchTest::ClickControl(const TEditform* editor, const char* name) {
  Control<QToolButton>(editor, name)->click();
}

TEditform* WorkbenchTest::Slot(int slot) const { return mainform_->Editors().At(slot); }

void WorkbenchTest::Type(TEditform* editor, const QString& text) {
  QTextCursor cursor = editor->RichEdit1()->textCursor();
  cursor.select(QTextCursor::Document);
  cursor.insertText(text);
}

QString WorkbenchTest::RedLine(const TEditform* editor) {
  const QList<QTextEdit::ExtraSelection> lines = editor->RichEdit1()->extraSelections();
  return lines.isEmpty() ? QString() : lines.first().cursor.selectedText();
}

}  // namespace tav2::test
