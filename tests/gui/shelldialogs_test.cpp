#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "gui/lang/assembleroptionsdialog.h"
#include "gui/common/paths.h"
#include "gui/shell/newfilechooser.h"
#include "gui/common/qtdialogs.h"
#include "gui/shell/environmentoptionsdialog.h"
#include "guitest.h"
#include "scripteddialogs.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

// ---- Assembler options ----------------------------------------------------------------------

QLineEdit* Field(const QWidget& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

void Press(const QWidget& dialog, const char* name) { dialog.findChild<QPushButton*>(name)->click(); }

TEST(AssemblerOptionsDialog, ShowsBothSettingsInHexadecimal) {
  AssemblerOptions options;
  options.SetProgramStart(0xABC);
  const AssemblerOptionsDialog dialog(options);
  EXPECT_EQ(dialog.windowTitle(), "Assembler Options");
  EXPECT_EQ(Field(dialog, "Edit1")->text(), "  0ABC");
  EXPECT_EQ(Field(dialog, "Edit2")->text(), "  7FFF");
}

// OK takes the valid fields in order and stops at the first invalid one.
TEST(AssemblerOptionsDialog, OkTakesTheValidFieldsInOrder) {
  const struct {
    QString edit1, edit2, message;
    int programStart, stackPointer;
  } cases[] = {{"1000", "7FFF", "", 0x1000, 0x7FFF},
               {"12345", "  0100", "", 0x2345, 0x100},
               {"  0", "FFFF", "", 0, -1},
               {"xyz", "100", "error: Unvalid startaddress!", 5, 6},
               {"200", "xyz", "error: Unvalid  stack pointer address!", 0x200, 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE((c.edit1 + "/" + c.edit2).toStdString());
    test::ScriptedDialogs dialogs;
    AssemblerOptions options;
    options.programStart = 5;
    options.defaultStackPointer = 6;
    AssemblerOptionsDialog dialog(options);
    Field(dialog, "Edit1")->setText(c.edit1);
    Field(dialog, "Edit2")->setText(c.edit2);
    Press(dialog, "OKknop");
    EXPECT_EQ(dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    EXPECT_EQ(options.programStart, c.programStart);
    EXPECT_EQ(options.defaultStackPointer, c.stackPointer);
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.message.isEmpty());
  }
}

TEST(AssemblerOptionsDialog, DefaultsChangeOnlyTheFields) {
  AssemblerOptions options;
  options.SetProgramStart(0x100);
  options.SetDefaultStackPointer(0x200);
  AssemblerOptionsDialog dialog(options);
  Press(dialog, "Defaultsknop");
  EXPECT_EQ(Field(dialog, "Edit1")->text(), "  0000");
  EXPECT_EQ(Field(dialog, "Edit2")->text(), "  7FFF");
  Press(dialog, "Cancelknop");
  EXPECT_EQ(options.ProgramStartWord(), 0x100);
  EXPECT_EQ(options.DefaultStackPointerWord(), 0x200);
}

class AssemblerOptionsMenu : public test::WorkbenchTest {};

TEST_F(AssemblerOptionsMenu, ReachesTheMachineOnOk) {
  MainWindow& mainWindow = Start();
  Item("Assembleroptions1")->trigger();
  auto* dialog = mainWindow.findChild<AssemblerOptionsDialog*>("TAsmOptForm");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  Field(*dialog, "Edit2")->setText("FFFF");
  Press(*dialog, "OKknop");
  EXPECT_EQ(mainWindow.Settings().assembler.defaultStackPointer, -1);
  EXPECT_EQ(mainWindow.Hardware().defaultStackPointer, 0xFFFF);
}

// ---- Environment options --------------------------------------------------------------------

EnvironmentSettings Sample() {
  EnvironmentSettings settings = EnvironmentSettings::ForHomeDir("/home/tav");
  settings.createBakFiles = true;
  return settings;
}

TEST(EnvironmentOptionsDialog, ShowsTheSettingsEachTimeItIsShown) {
  EnvironmentSettings settings = Sample();
  EnvironmentOptionsDialog dialog(settings, "/opt/tav2");
  EXPECT_EQ(dialog.windowTitle(), "Evironment options");
  EXPECT_EQ(Field(dialog, "Homediredit")->text(), "/home/tav");
  EXPECT_EQ(Field(dialog, "Workingdiredit")->text(), "/home/tav/sources");
  EXPECT_EQ(Field(dialog, "Includediredit")->text(), "/home/tav/include");
  EXPECT_TRUE(dialog.findChild<QCheckBox*>("Bakfiles")->isChecked());
  EXPECT_FALSE(dialog.findChild<QCheckBox*>("Saveonexit")->isChecked());
  settings.homeDir = "/elsewhere";
  dialog.show();
  EXPECT_EQ(Field(dialog, "Homediredit")->text(), "/elsewhere");
}

TEST(EnvironmentOptionsDialog, OkStoresTheFieldsUnchecked) {
  EnvironmentSettings settings = Sample();
  EnvironmentOptionsDialog dialog(settings, "/opt/tav2");
  Field(dialog, "Homediredit")->setText("no such dir ");
  Field(dialog, "Includediredit")->setText("");
  dialog.findChild<QCheckBox*>("Saveonexit")->setChecked(true);
  dialog.findChild<QCheckBox*>("Bakfiles")->setChecked(false);
  Press(dialog, "OKknop");
  EXPECT_EQ(FromPath(settings.homeDir), "no such dir ");
  EXPECT_EQ(FromPath(settings.includeDir), "");
  EXPECT_EQ(FromPath(settings.workingDir), "/home/tav/sources");
  EXPECT_TRUE(settings.saveOptionsOnExit);
  EXPECT_FALSE(settings.createBakFiles);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(EnvironmentOptionsDialog, DefaultsDeriveFromTheHomeDirectoryInForce) {
  EnvironmentSettings settings = Sample();
  settings.workingDir = "/w";
  EnvironmentOptionsDialog dialog(settings, "/opt/tav2");
  Field(dialog, "Homediredit")->setText("/typed");
  Press(dialog, "Defaultknop");
  EXPECT_EQ(Field(dialog, "Homediredit")->text(), "/opt/tav2");
  EXPECT_EQ(Field(dialog, "Workingdiredit")->text(), "/home/tav/sources");
  EXPECT_EQ(Field(dialog, "Includediredit")->text(), "/home/tav/include");
  EXPECT_FALSE(dialog.findChild<QCheckBox*>("Bakfiles")->isChecked());
  Press(dialog, "Cancelknop");
  EXPECT_EQ(settings, [] {
    EnvironmentSettings expected = Sample();
    expected.workingDir = "/w";
    return expected;
  }());
}

class EnvironmentMenu : public test::WorkbenchTest {};

TEST_F(EnvironmentMenu, OpensAModalDialogNewForEachUse) {
  MainWindow& mainWindow = Start();
  Item("Environment")->trigger();
  auto* dialog = mainWindow.findChild<EnvironmentOptionsDialog*>("TOptionsform");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isModal());
  EXPECT_EQ(Field(*dialog, "Homediredit")->text(), Home());
  Press(*dialog, "Cancelknop");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(mainWindow.findChild<EnvironmentOptionsDialog*>("TOptionsform"), nullptr);
}

// ---- The new-file chooser --------------------------------------------------------------------

class NewFileChooserTest : public test::WorkbenchTest {};

TEST_F(NewFileChooserTest, ItsClientAreaHoldsEveryChoice) {
  Start();
  test::Click(Button("SpeedButton1"));
  const auto* chooser = Main().findChild<NewFileChooser*>();
  ASSERT_NE(chooser, nullptr);
  ASSERT_TRUE(chooser->isVisible());
  EXPECT_EQ(chooser->size(), QSize(122, 108));
  for (const char* name : {"Asmfileknop", "textfileknop", "mcfileknop"}) {
    const auto* choice = chooser->findChild<QRadioButton*>(name);
    const QRect place(choice->mapTo(chooser, QPoint(0, 0)), choice->size());
    EXPECT_TRUE(chooser->rect().contains(place)) << name;
    EXPECT_GE(choice->width(), choice->sizeHint().width()) << name << " shows its whole caption";
  }
}

// ---- Print ----------------------------------------------------------------------------------

TEST(QtDialogsPrint, PdfFileIsTheSourcesFolderAndBaseName) {
  const struct {
    QString title, pdf;
  } cases[] = {{"/work/course/prog.asm", "/work/course/prog.pdf"},
               {"/work/my.prog.mca", "/work/my.prog.pdf"},
               {"/work/notes", "/work/notes.pdf"},
               {"/work/.hidden", "/work/.hidden.pdf"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title.toStdString());
    EXPECT_EQ(QtDialogs::PdfFileName(c.title), c.pdf);
  }
  EXPECT_EQ(QtDialogs::PdfFileName("noname1.asm"), QDir::current().filePath("noname1.pdf"));
}

// The print dialog shows the proposal as its output file.
TEST(QtDialogsPrint, ThePrintDialogProposesThePdfFile) {
  QPrinter printer;
  printer.setDocName("/work/course/prog.asm");
  QtDialogs::ProposePdfFile(printer);
  QPrintDialog dialog(&printer);
  const QLineEdit* output = dialog.findChild<QLineEdit*>("filename");
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(output->text(), "/work/course/prog.pdf");
  EXPECT_EQ(printer.docName(), "/work/course/prog.asm") << "the document keeps its title";
}

}  // namespace
}  // namespace tav2
