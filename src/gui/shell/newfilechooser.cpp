#include "gui/shell/newfilechooser.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "gui/common/bgrcolour.h"
#include "gui/shell/mainwindow.h"
#include "gui/common/widgetparts.h"

namespace tav2 {

namespace {

constexpr uint32_t kNavy = 0x800000;
constexpr int kClientWidth = 122;
constexpr int kClientHeight = 108;
constexpr int kMargin = 2;

}  // namespace

NewFileChooser::NewFileChooser(MainWindow& mainWindow)
    : QWidget(&mainWindow, Qt::Window | Qt::FramelessWindowHint), mainWindow_(mainWindow) {
  setObjectName("TNewfileForm");
  setWindowTitle("New file");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* frame = new QVBoxLayout(this);
  frame->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  auto* group = new QGroupBox("New File", this);
  group->setObjectName("RadioGroup1");
  frame->addWidget(group);
  auto* choices = new QVBoxLayout(group);
  choices->setContentsMargins(0, 0, 0, kMargin);
  choices->setSpacing(0);
  const std::array<std::tuple<const char*, QString, EditKind>, 3> buttons = {{
      {"Asmfileknop", "Assembler file", EditKind::AssemblerSource},
      {"textfileknop", "Text file", EditKind::TextFile},
      {"mcfileknop", "Microcode file", EditKind::MicrocodeSource},
  }};
  for (const auto& [name, caption, kind] : buttons) {
    auto* button = new QRadioButton(caption, group);
    button->setObjectName(name);
    SetPaletteColour(button, QPalette::WindowText, ColourFromBgr(kNavy));
    choices->addWidget(button);
    connect(button, &QRadioButton::clicked, this, [this, kind = kind] { Choose(kind); });
  }
  // The choices sit close together so that they fit the fixed client area,
  // which the layout would otherwise widen to its own liking.
  setFixedSize(kClientWidth, kClientHeight);
  move(kLeft, kTop);
}

void NewFileChooser::Choose(EditKind kind) {
  mainWindow_.NewSourceFile(kind);
  close();
}

}  // namespace tav2
