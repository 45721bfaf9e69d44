// Colouring the text again is no edit: it leaves the modified flag and the
// undo ring as they were, so Cancel undo's still brings back what was undone.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/editor/editcommands.h"
#include "gui/editor/editoroptionsdialog.h"
#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

// The ways the text gets coloured anew; each changes the colours of the
// text and changes them back.
enum class Action { ColouringOffAndOn, OptionsOffAndOn, BackgroundOnly, MicrocodeLoaded };

class Recolouring : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
  }

  void Run(Action action, EditorWindow* editor) {
    switch (action) {
      case Action::ColouringOffAndOn:
        for (int click = 0; click < 2; ++click) test::ClickAt(Control<QLabel>(editor, "syncolvenster"));
        break;
      case Action::OptionsOffAndOn:
        for (const bool colouring : {false, true}) {
          EditorOptionsDialog& dialog = OptionsDialog(editor);
          auto* box = dialog.findChild<QCheckBox*>("SyntaxColoring");
          if (box->isChecked() != colouring) test::Click(box);
          PressOk(dialog);
        }
        break;
      case Action::BackgroundOnly: {
        EditorOptionsDialog& dialog = OptionsDialog(editor);
        dialogs.colour = QColor(10, 20, 30);
        test::ClickAt(dialog.findChild<QWidget*>("Edit1"));
        PressOk(dialog);
        break;
      }
      case Action::MicrocodeLoaded:
        // PLUS becomes an instruction name, and then is none again.
        for (const char* addition : {"#PLUS OP1,OP2; 0x01", "#ADD OP1,OP2; 0x01"}) {
          EditorWindow* microcode = Main().NewSourceFile(EditKind::MicrocodeSource);
          Type(microcode, microcode->Text()->toPlainText().replace("#ADD OP1,OP2; 0x01", addition));
          ClickControl(microcode, "Loadknop");
          EXPECT_EQ(dialogs.messages.last(), "info: MCROM is updated");
          microcode->Text()->document()->setModified(false);
          microcode->close();
        }
        break;
    }
  }

  // The editor's options dialog, opened through its menu item.
  static EditorOptionsDialog& OptionsDialog(EditorWindow* editor) {
    EditorItem(editor, "Options1")->trigger();
    return *editor->findChild<EditorOptionsDialog*>();
  }
  static void PressOk(EditorOptionsDialog& dialog) { test::Click(dialog.findChild<QPushButton*>("OKknop")); }
};

TEST_F(Recolouring, IsNoEditOfTheText) {
  const QString text = "##\nbegin HALT\n PLUS R1, 1\n##";
  const int lineEnd = 13;
  for (const Action action : {Action::ColouringOffAndOn, Action::OptionsOffAndOn, Action::BackgroundOnly,
                              Action::MicrocodeLoaded}) {
    SCOPED_TRACE(static_cast<int>(action));
    EditorWindow* editor = Open("prog.asm", text.toLatin1());
    const EditCommands& commands = editor->Commands();
    Run(action, editor);
    EXPECT_FALSE(editor->IsModified());
    EXPECT_FALSE(commands.Ring().ChangedSinceUndo());

    test::PlaceCaret(editor->Text(), lineEnd);
    test::TypeText(editor->Text(), " ;x");
    test::PressKey(editor->Text(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(editor->Text()->toPlainText(), text);
    Run(action, editor);
    EXPECT_FALSE(commands.Ring().ChangedSinceUndo());
    EditorItem(editor, "UndoUndo1")->trigger();
    EXPECT_EQ(editor->Text()->toPlainText(), QString(text).insert(lineEnd, " ;x"))
        << "Cancel undo's brings the undone typing back";
    EXPECT_TRUE(editor->Options().syntaxColoring);

    editor->Text()->document()->setModified(false);
    editor->close();
  }
}

}  // namespace
}  // namespace tav2
