#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>

#include "editorsupport.h"
#include "gui/editor/bgrcolour.h"
#include "gui/editor/colouredit.h"
#include "gui/editor/editcommands.h"
#include "gui/editor/sourcehighlighter.h"
#include "gui/editor/teditoptform.h"
#include "gui/editor/tmaineditoptform.h"
#include "scripteddialogs.h"
#include "sim/mcrom.h"

namespace tav2 {
namespace {

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void Tick(QWidget& dialog, const char* box, bool on) { Child<QCheckBox>(dialog, box)->setChecked(on); }

void Press(QWidget& dialog, const char* button) { Child<QPushButton>(dialog, button)->click(); }

// Runs the deletions a closed dialog asked for.
bool Deleted(const QPointer<TEditOptForm>& dialog) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return dialog.isNull();
}

// An editor with colouring, its commands and an options dialog opened on it.
struct EditorWithDialog {
  explicit EditorWithDialog(const QString& text = "##\nMOVE\tR1\n##") {
    edit.setPlainText(text);
    highlighter = new SourceHighlighter(edit.document(), rom, EditKind::AssemblerSource);
    commands = new EditCommands(&edit, highlighter, runFlags);
    dialog = new TEditOptForm(*commands, &edit);
    QObject::connect(dialog, &TEditOptForm::fontItemEnabled, [this](bool on) { fontEnabled = on; });
    dialog->Open();
  }

  test::ScriptedDialogs dialogs;
  Mcrom rom;
  UndoRunFlags runFlags;
  QPlainTextEdit edit;
  SourceHighlighter* highlighter = nullptr;
  EditCommands* commands = nullptr;
  QPointer<TEditOptForm> dialog;
  std::optional<bool> fontEnabled;
};

TEST(TEditOptForm, CaptionsAndControls) {
  EditorWithDialog editor;
  TEditOptForm& dialog = *editor.dialog;
  EXPECT_EQ(dialog.windowTitle(), "Edit Options");
  EXPECT_FALSE(dialog.isModal());
  EXPECT_EQ(Child<QGroupBox>(dialog, "GroupBox1")->title(), "Editor Options");
  EXPECT_EQ(Child<QCheckBox>(dialog, "AutoIndent")->text(), "Auto Indent");
  EXPECT_EQ(Child<QCheckBox>(dialog, "SyntaxColoring")->text(), "Syntax Coloring");
  EXPECT_EQ(Child<QCheckBox>(dialog, "WordWrap")->text(), "Wordwrap");
  EXPECT_EQ(Child<QCheckBox>(dialog, "TabsToSpaces")->text(), "Translate Tabs to Spaces");
  EXPECT_EQ(Child<QLabel>(dialog, "Label1")->text(), "Tab positions at");
  EXPECT_EQ(Child<QLabel>(dialog, "Label2")->text(), "Backgroundcolor");
  EXPECT_EQ(Child<QSpinBox>(dialog, "TabUpDown")->minimum(), 1);
  EXPECT_EQ(Child<QSpinBox>(dialog, "TabUpDown")->maximum(), 48);
  EXPECT_EQ(Child<QPushButton>(dialog, "OKknop")->text(), "OK");
  EXPECT_EQ(Child<QPushButton>(dialog, "Cancelknop")->text(), "Cancel");
  EXPECT_EQ(dialog.findChild<QPushButton*>("Defaultknop"), nullptr);
}

TEST(TEditOptForm, OpensWithTheEditorsOptions) {
  EditorWithDialog editor;
  editor.dialog->close();
  editor.commands->SetOptions(EditorOptions{true, true, false, true, 5});
  editor.commands->SetBackground(QColor(1, 2, 3));
  auto* dialog = new TEditOptForm(*editor.commands, &editor.edit);
  EXPECT_TRUE(Child<QCheckBox>(*dialog, "AutoIndent")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(*dialog, "WordWrap")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(*dialog, "SyntaxColoring")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(*dialog, "TabsToSpaces")->isChecked());
  EXPECT_EQ(Child<QSpinBox>(*dialog, "TabUpDown")->value(), 5);
  EXPECT_EQ(Child<ColourEdit>(*dialog, "Edit1")->Colour(), QColor(1, 2, 3));
}

TEST(TEditOptForm, WithColouringOnTheWordwrapBoxHasNoEffect) {
  EditorWithDialog editor;
  Tick(*editor.dialog, "SyntaxColoring", true);
  Tick(*editor.dialog, "WordWrap", true);
  Press(*editor.dialog, "OKknop");
  EXPECT_FALSE(editor.commands->Options().wordWrap);
  EXPECT_EQ(editor.edit.lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(editor.fontEnabled, false);
  EXPECT_TRUE(editor.highlighter->Enabled());
}

TEST(TEditOptForm, SwitchingColouringOffEnablesTheFontItemAndAllowsWordwrap) {
  EditorWithDialog editor;
  Tick(*editor.dialog, "SyntaxColoring", false);
  Tick(*editor.dialog, "WordWrap", true);
  Tick(*editor.dialog, "AutoIndent", true);
  Press(*editor.dialog, "OKknop");
  EXPECT_EQ(editor.fontEnabled, true);
  EXPECT_FALSE(editor.highlighter->Enabled());
  EXPECT_EQ(editor.edit.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_TRUE(editor.commands->Options().autoIndent);
  EXPECT_TRUE(Deleted(editor.dialog));  // closed and gone
}

TEST(TEditOptForm, TabsToSpacesOnConvertsTheTextAndTheTabWidthApplies) {
  EditorWithDialog editor;
  Child<QSpinBox>(*editor.dialog, "TabUpDown")->setValue(6);
  Tick(*editor.dialog, "TabsToSpaces", true);
  Press(*editor.dialog, "OKknop");
  EXPECT_EQ(editor.commands->Options().tabNumber, 6);
  EXPECT_EQ(editor.edit.toPlainText(), "##\nMOVE  R1\n##");
}

TEST(TEditOptForm, TabsToSpacesOffLeavesTheText) {
  EditorWithDialog editor;
  editor.commands->SetTabsToSpaces(true);
  editor.edit.setPlainText("a\tb");
  editor.dialog->close();
  auto* dialog = new TEditOptForm(*editor.commands, &editor.edit);
  Tick(*dialog, "TabsToSpaces", false);
  Press(*dialog, "OKknop");
  EXPECT_FALSE(editor.commands->Options().tabsToSpaces);
  EXPECT_EQ(editor.edit.toPlainText(), "a\tb");
}

TEST(TEditOptForm, APickedBackgroundStaysAfterCancel) {
  EditorWithDialog editor;
  editor.dialogs.colour = QColor(10, 20, 30);
  Child<ColourEdit>(*editor.dialog, "Edit1")->clicked();
  EXPECT_EQ(editor.commands->Background(), QColor(10, 20, 30));
  Tick(*editor.dialog, "AutoIndent", true);
  Press(*editor.dialog, "Cancelknop");
  EXPECT_EQ(editor.commands->Background(), QColor(10, 20, 30));
  EXPECT_FALSE(editor.commands->Options().autoIndent);
  EXPECT_TRUE(Deleted(editor.dialog));
}

TEST(TEditOptForm, ACancelledColourPickChangesNothing) {
  EditorWithDialog editor;
  const QColor before = editor.commands->Background();
  editor.dialog->Edit1Click();
  EXPECT_EQ(editor.commands->Background(), before);
}

struct MainDialog {
  MainDialog() {
    defaults.options = EditorOptions{true, true, false, true, 4};
    defaults.sourcesBackground = 0x0000FF;
    defaults.textBackground = 0x00FF00;
    dialog = new TMainEditOptForm(defaults, nullptr);
    dialog->Open();
  }
  ~MainDialog() { delete dialog; }

  test::ScriptedDialogs dialogs;
  EditorDefaults defaults;
  QPointer<TMainEditOptForm> dialog;
};

TEST(TMainEditOptForm, CaptionsAndControls) {
  MainDialog main;
  TMainEditOptForm& dialog = *main.dialog;
  EXPECT_EQ(dialog.windowTitle(), "Edit Options");
  EXPECT_EQ(Child<QGroupBox>(dialog, "GroupBox1")->title(), "General Editor Options");
  EXPECT_EQ(Child<QLabel>(dialog, "Label2")->text(), "Sources Background Color");
  EXPECT_EQ(Child<QLabel>(dialog, "Label3")->text(), "Text Background Color");
  EXPECT_EQ(Child<QPushButton>(dialog, "Defaultknop")->text(), "Set defaults");
}

TEST(TMainEditOptForm, ShowsTheDefaults) {
  MainDialog main;
  EXPECT_TRUE(Child<QCheckBox>(*main.dialog, "AutoIndent")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(*main.dialog, "SyntaxColoring")->isChecked());
  EXPECT_EQ(Child<QSpinBox>(*main.dialog, "TabUpDown")->value(), 4);
  EXPECT_EQ(Child<ColourEdit>(*main.dialog, "Edit1")->Colour(), QColor(255, 0, 0));
  EXPECT_EQ(Child<ColourEdit>(*main.dialog, "Edit2")->Colour(), QColor(0, 255, 0));
}

TEST(TMainEditOptForm, SetDefaultsThenCancelChangesNothing) {
  MainDialog main;
  const EditorDefaults before = main.defaults;
  Press(*main.dialog, "Defaultknop");
  EXPECT_FALSE(Child<QCheckBox>(*main.dialog, "AutoIndent")->isChecked());
  Press(*main.dialog, "Cancelknop");
  EXPECT_EQ(main.defaults, before);
}

TEST(TMainEditOptForm, SetDefaultsThenOkStoresTheBuiltInDefaults) {
  MainDialog main;
  Press(*main.dialog, "Defaultknop");
  Press(*main.dialog, "OKknop");
  EXPECT_EQ(main.defaults, EditorDefaults{});
  EXPECT_EQ(main.defaults.sourcesBackground, 0xE1FFFF);
}

TEST(TMainEditOptForm, PickedColoursGoIntoTheFieldsAndAreStoredByOk) {
  MainDialog main;
  main.dialogs.colour = QColor(0x12, 0x34, 0x56);
  main.dialog->Edit2Click();
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
