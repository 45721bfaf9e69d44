#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>

#include "gui/common/bgrcolour.h"
#include "gui/editor/colouredit.h"
#include "gui/editor/editcommands.h"
#include "gui/editor/sourcehighlighter.h"
#include "gui/editor/editoroptionsdialog.h"
#include "gui/editor/defaulteditoroptionsdialog.h"
#include "guitest.h"
#include "scripteddialogs.h"
#include "core/sim/mcrom.h"

namespace tav2 {
namespace {

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

QCheckBox* Box(QWidget& dialog, const char* name) { return Child<QCheckBox>(dialog, name); }
void Tick(QWidget& dialog, const char* box, bool on) { Box(dialog, box)->setChecked(on); }
void Press(QWidget& dialog, const char* button) { Child<QPushButton>(dialog, button)->click(); }

// An editor with colouring, its commands and an options dialog opened on it.
struct EditorWithDialog {
  explicit EditorWithDialog(const QString& text = "##\nMOVE\tR1\n##") {
    edit.setPlainText(text);
    highlighter = new SourceHighlighter(edit.document(), rom, EditKind::AssemblerSource);
    commands = new EditCommands(&edit, highlighter, runFlags);
    Reopen();
  }
  void Reopen() {
    if (dialog) dialog->close();
    dialog = new EditorOptionsDialog(*commands, &edit);
    QObject::connect(dialog, &EditorOptionsDialog::fontItemEnabled, [this](bool on) { fontEnabled = on; });
    dialog->Open();
  }
  // Runs the deletions a closed dialog asked for.
  bool DialogDeleted() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return dialog.isNull();
  }

  test::ScriptedDialogs dialogs;
  Mcrom rom;
  UndoRunFlags runFlags;
  QPlainTextEdit edit;
  SourceHighlighter* highlighter = nullptr;
  EditCommands* commands = nullptr;
  QPointer<EditorOptionsDialog> dialog;
  std::optional<bool> fontEnabled;
};

TEST(EditorOptionsDialog, OpensWithTheEditorsOptions) {
  EditorWithDialog editor;
  editor.commands->SetOptions(EditorOptions{true, true, false, true, 5});
  editor.commands->SetBackground(QColor(1, 2, 3));
  editor.Reopen();
  EditorOptionsDialog& dialog = *editor.dialog;
  EXPECT_EQ(dialog.windowTitle(), "Edit Options");
  EXPECT_FALSE(dialog.isModal());
  EXPECT_EQ(Box(dialog, "TabsToSpaces")->text(), "Translate Tabs to Spaces");
  EXPECT_EQ(dialog.findChild<QPushButton*>("Defaultknop"), nullptr);
  EXPECT_TRUE(Box(dialog, "AutoIndent")->isChecked());
  EXPECT_TRUE(Box(dialog, "WordWrap")->isChecked());
  EXPECT_FALSE(Box(dialog, "SyntaxColoring")->isChecked());
  EXPECT_TRUE(Box(dialog, "TabsToSpaces")->isChecked());
  auto* tabs = Child<QSpinBox>(dialog, "TabUpDown");
  EXPECT_EQ(tabs->value(), 5);
  EXPECT_EQ(tabs->minimum(), 1);
  EXPECT_EQ(tabs->maximum(), 48);
  EXPECT_EQ(Child<ColourEdit>(dialog, "Edit1")->Colour(), QColor(1, 2, 3));
}

TEST(EditorOptionsDialog, LineNumbersBoxSwitchesTheGutter) {
  EditorWithDialog editor;
  EXPECT_EQ(Box(*editor.dialog, "LineNumbers")->text(), "Line numbers");
  EXPECT_TRUE(Box(*editor.dialog, "LineNumbers")->isChecked()) << "on by default";
  std::optional<bool> shown;
  QObject::connect(editor.commands, &EditCommands::lineNumbersChanged, [&shown](bool on) { shown = on; });
  Tick(*editor.dialog, "LineNumbers", false);
  Press(*editor.dialog, "OKknop");
  EXPECT_FALSE(editor.commands->Options().lineNumbers);
  EXPECT_EQ(shown, std::optional<bool>(false));
}

TEST(EditorOptionsDialog, WordwrapBoxCountsOnlyWithColouringOff) {
  for (const bool colouring : {true, false}) {
    EditorWithDialog editor;
    Tick(*editor.dialog, "SyntaxColoring", colouring);
    Tick(*editor.dialog, "WordWrap", true);
    Tick(*editor.dialog, "AutoIndent", true);
    Press(*editor.dialog, "OKknop");
    EXPECT_EQ(editor.commands->Options().wordWrap, !colouring);
    EXPECT_EQ(editor.edit.lineWrapMode(), colouring ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(editor.fontEnabled, !colouring);
    EXPECT_EQ(editor.highlighter->Enabled(), colouring);
    EXPECT_TRUE(editor.commands->Options().autoIndent);
    EXPECT_TRUE(editor.DialogDeleted());
  }
}

TEST(EditorOptionsDialog, TabsToSpacesOnConvertsTheTextAndOffLeavesIt) {
  EditorWithDialog editor;
  Child<QSpinBox>(*editor.dialog, "TabUpDown")->setValue(6);
  Tick(*editor.dialog, "TabsToSpaces", true);
  Press(*editor.dialog, "OKknop");
  EXPECT_EQ(editor.commands->Options().tabNumber, 6);
  EXPECT_EQ(editor.edit.toPlainText(), "##\nMOVE  R1\n##");

  editor.edit.setPlainText("a\tb");
  editor.Reopen();
  Tick(*editor.dialog, "TabsToSpaces", false);
  Press(*editor.dialog, "OKknop");
  EXPECT_FALSE(editor.commands->Options().tabsToSpaces);
  EXPECT_EQ(editor.edit.toPlainText(), "a\tb");
}

// The colour is taken when picked; a cancelled pick changes nothing.
TEST(EditorOptionsDialog, APickedBackgroundStaysAfterCancel) {
  EditorWithDialog editor;
  const QColor before = editor.commands->Background();
  editor.dialog->OnBackgroundClicked();
  EXPECT_EQ(editor.commands->Background(), before);
  editor.dialogs.colour = QColor(10, 20, 30);
  Child<ColourEdit>(*editor.dialog, "Edit1")->clicked();
  EXPECT_EQ(editor.commands->Background(), QColor(10, 20, 30));
  Tick(*editor.dialog, "AutoIndent", true);
  Press(*editor.dialog, "Cancelknop");
  EXPECT_EQ(editor.commands->Background(), QColor(10, 20, 30));
  EXPECT_FALSE(editor.commands->Options().autoIndent);
  EXPECT_TRUE(editor.DialogDeleted());
}

struct MainDialog {
  MainDialog() {
    defaults.options = EditorOptions{true, true, false, true, 4};
    defaults.sourcesBackground = 0x0000FF;
    defaults.textBackground = 0x00FF00;
    dialog = new DefaultEditorOptionsDialog(defaults, nullptr);
    dialog->Open();
  }
  ~MainDialog() { delete dialog; }

  test::ScriptedDialogs dialogs;
  EditorDefaults defaults;
  QPointer<DefaultEditorOptionsDialog> dialog;
};

TEST(DefaultEditorOptionsDialog, ShowsTheDefaults) {
  MainDialog main;
  EXPECT_EQ(main.dialog->windowTitle(), "Edit Options");
  EXPECT_TRUE(Box(*main.dialog, "AutoIndent")->isChecked());
  EXPECT_FALSE(Box(*main.dialog, "SyntaxColoring")->isChecked());
  EXPECT_EQ(Child<QSpinBox>(*main.dialog, "TabUpDown")->value(), 4);
  EXPECT_EQ(Child<ColourEdit>(*main.dialog, "Edit1")->Colour(), QColor(255, 0, 0));
  EXPECT_EQ(Child<ColourEdit>(*main.dialog, "Edit2")->Colour(), QColor(0, 255, 0));
}

TEST(DefaultEditorOptionsDialog, SetDefaultsTakesEffectOnlyWithOk) {
  for (const char* button : {"Cancelknop", "OKknop"}) {
    MainDialog main;
    const EditorDefaults before = main.defaults;
    EXPECT_EQ(Child<QPushButton>(*main.dialog, "Defaultknop")->text(), "Set defaults");
    Press(*main.dialog, "Defaultknop");
    EXPECT_FALSE(Box(*main.dialog, "AutoIndent")->isChecked());
    Press(*main.dialog, button);
    EXPECT_EQ(main.defaults, button == std::string("OKknop") ? EditorDefaults{} : before) << button;
  }
  EXPECT_EQ(EditorDefaults{}.sourcesBackground, 0xE1FFFF);
}

TEST(DefaultEditorOptionsDialog, PickedColoursGoIntoTheFieldsAndAreStoredByOk) {
  MainDialog main;
  main.dialogs.colour = QColor(0x12, 0x34, 0x56);
  main.dialog->OnTextBackgroundClicked();
  EXPECT_EQ(main.defaults.textBackground, 0x00FF00);
  Tick(*main.dialog, "WordWrap", false);
  Child<QSpinBox>(*main.dialog, "TabUpDown")->setValue(12);
  Press(*main.dialog, "OKknop");
  EXPECT_EQ(main.defaults.textBackground, 0x563412);
  EXPECT_EQ(main.defaults.sourcesBackground, 0x0000FF);
  EXPECT_EQ(main.defaults.options, (EditorOptions{true, false, false, true, 12}));
}

TEST(BgrColour, RedIsInTheLowByte) {
  EXPECT_EQ(ColourFromBgr(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ColourFromBgr(0xE1FFFF), QColor(255, 255, 0xE1));
  EXPECT_EQ(BgrFromColour(QColor(0x80, 0x80, 0)), 0x008080);
}

}  // namespace
}  // namespace tav2
