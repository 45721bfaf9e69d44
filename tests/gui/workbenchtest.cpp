#include "workbenchtest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

#include "gui/editor/teditform.h"

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

QAction* WorkbenchTest::Item(const char* name) const {
  return mainform_->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QToolButton* WorkbenchTest::Button(const char* name) const { return mainform_->findChild<QToolButton*>(name); }

QAction* WorkbenchTest::EditorItem(const TEditform* editor, const char* name) {
  return editor->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void WorkbenchTest::Type(TEditform* editor, const QString& text) {
  QTextCursor cursor = editor->RichEdit1()->textCursor();
  cursor.select(QTextCursor::Document);
  cursor.insertText(text);
}

TEditform* WorkbenchTest::Slot(int slot) const { return mainform_->Editors().At(slot); }

}  // namespace tav2::test
