#include "gui/shell/tnewfileform.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "gui/editor/bgrcolour.h"
#include "gui/shell/tmainform.h"
#include "gui/shell/widgetparts.h"

namespace tav2 {

namespace {

constexpr uint32_t kNavy = 0x800000;
constexpr int kClientWidth = 122;
constexpr int kClientHeight = 108;
constexpr int kMargin = 2;

}  // namespace

TNewfileForm::TNewfileForm(TMainform& mainform)
    : QWidget(&mainform, Qt::Window | Qt::FramelessWindowHint), mainform_(mainform) {
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

void TNewfileForm::Choose(EditKind kind) {
  mainform_.NewSourceFile(kind);
  close();
}

}  // namespace tav2
