#include "gui/shell/workbenchapplication.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QToolButton>
#include <stdexcept>

#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class LastResort : public test::WorkbenchTest {};

// A command whose handler throws stops there: the error is shown and the
// workbench goes on with every editor and its text.
TEST_F(LastResort, AnExceptionLeavingACommandIsShownAndEveryEditorStays) {
  MainWindow& mainWindow = Start();
  EditorWindow* first = Open("a.asm", "begin NOP");
  Type(first, "edited");
  EditorWindow* second = NewEditor(EditKind::TextFile, "typed");
  auto* command = new QToolButton(&mainWindow);
  QObject::connect(command, &QToolButton::clicked,
                   [] { throw std::runtime_error("no memory for the view"); });
  command->show();
  test::Click(command);
  test::Click(command);
  const QString shown = "error: The command was stopped by an unexpected error: no memory for the view";
  EXPECT_EQ(dialogs.messages, QStringList({shown, shown}));
  EXPECT_EQ(Slot(1), first);
  EXPECT_EQ(Slot(2), second);
  EXPECT_EQ(first->Text()->toPlainText(), "edited");
  EXPECT_TRUE(first->IsModified());
  EXPECT_EQ(second->Text()->toPlainText(), "typed");

  dialogs.messages.clear();
  test::Click(Button("SpeedButton4"));
  EXPECT_EQ(Read(HomePath("a.asm")), "edited\r\n") << "the workbench goes on working";
}

}  // namespace
}  // namespace tav2
