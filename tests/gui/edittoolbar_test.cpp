// The editor's tool bar: its indicators never lie over a button, at any
// width of the editor window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class EditToolBar : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
  }

  // An assembler editor with every button shown: Breakpoints after a load,
  // Clear with the errors of a later build.
  EditorWindow* EditorWithEveryButton() {
    EditorWindow* editor = NewEditor(EditKind::AssemblerSource, "##\nbegin HALT\n##");
    ClickControl(editor, "Loadknop");
    Type(editor, "##\nbegin NOSUCH\n##");
    ClickControl(editor, "Makeknop");
    test::ProcessEvents();
    return editor;
  }

  static QRect InToolBar(const QWidget* widget, const QWidget* toolBar) {
    return QRect(widget->mapTo(toolBar, QPoint(0, 0)), widget->size());
  }
};

TEST_F(EditToolBar, IndicatorsNeverCoverAButton) {
  // clang-format off
  const char* const buttons[] = {
      "Makeknop",
      "Loadknop",
      "Goknop",
      "Herstelknop",
      "breakpointknop",
  };
  // clang-format on
  // clang-format off
  const char* const indicators[] = {
      "syncolvenster",
      "insertvenster",
      "positievenster",
      "wrapvenster",
  };
  // clang-format on
  EditorWindow* editor = EditorWithEveryButton();
  const auto* toolBar = Control<QWidget>(editor, "Panel3");
  for (const char* button : buttons) ASSERT_TRUE(Control<QWidget>(editor, button)->isVisible()) << button;
  for (int width = 150; width <= 1200; width += 25) {
    editor->resize(width, editor->height());
    test::ProcessEvents();
    QStringList faults;
    for (const char* indicator : indicators) {
      const QRect place = InToolBar(Control<QWidget>(editor, indicator), toolBar);
      if (!toolBar->rect().contains(place)) faults << QString(indicator) + " outside";
      for (const char* button : buttons) {
        if (place.intersects(InToolBar(Control<QWidget>(editor, button), toolBar))) {
          faults << QString(indicator) + " over " + button;
        }
      }
    }
    EXPECT_EQ(faults, QStringList()) << "editor width " << editor->width() << " for " << width;
  }
}

// At the editor's first width, where the indicators once lay over the
// right end of Breakpoints.
TEST_F(EditToolBar, AClickOnTheRightEndOfBreakpointsValidatesTheBreakpoints) {
  EditorWindow* editor = EditorWithEveryButton();
  Type(editor, "##\nbegin HALT\n##");
  editor->SetBounds(Main().Layout().defaults.editor);
  test::ProcessEvents();
  dialogs.messages.clear();
  const auto* breakpoints = Control<QToolButton>(editor, "breakpointknop");
  const QPoint rightEnd(breakpoints->width() - 3, breakpoints->height() / 2);
  QTest::mouseClick(Main().windowHandle(), Qt::LeftButton, {}, breakpoints->mapTo(&Main(), rightEnd));
  EXPECT_EQ(dialogs.messages, QStringList{"info: Breakpoints valid"});
  EXPECT_TRUE(editor->Options().syntaxColoring);
}

}  // namespace
}  // namespace tav2
