#include "gui/sim/processorwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <QStyle>
#include <chrono>
#include <utility>

#include "gui/common/dialogs.h"
#include "gui/common/fixedfont.h"
#include "gui/sim/memoryview.h"
#include "gui/common/windowframe.h"
#include "gui/sim/clockbuttonwatcher.h"
#include "gui/sim/processorhost.h"
#include "gui/sim/processorlayout.h"
#include "gui/sim/screenterminal.h"
#include "core/util/hexfield.h"
#include "core/sim/alufunctions.h"
#include "core/sim/microinstructiontext.h"

namespace tav2 {

namespace {

constexpr std::chrono::milliseconds kSliceBudget{10};
// The status field's two short lines.
constexpr int kStatusFontPixels = 10;
// How often the status line follows a run.
constexpr std::chrono::milliseconds kStatusInterval{250};

const QColor kBackground(0x00, 0xAA, 0xAA);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kGray(0x80, 0x80, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kAqua(0x00, 0xFF, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kLime(0x00, 0xFF, 0x00);

struct RegisterField {
  Reg reg;
  const char* edit;
  const char* label;
  const char* caption;
};

constexpr RegisterField kRegisterFields[] = {
    {Reg::R1, "R1Edit", "R1label", "R1"},     {Reg::R2, "R2Edit", "R2label", "R2"},
    {Reg::T1, "T1Edit", "T1label", "T1"},     {Reg::A, "AEdit", "Alabel", "A"},
    {Reg::B, "BEdit", "Blabel", "B"},         {Reg::C, "CEdit", "Clabel", "C"},
    {Reg::PC, "PCEdit", "PClabel", "PC"},     {Reg::SP, "SPEdit", "SPlabel", "SP"},
    {Reg::IR, "IREdit", "IRlabel", "IR"},     {Reg::MDR, "MDREdit", "MDRlabel", "MDR"},
    {Reg::MAR, "MAREdit", "MARlabel", "MAR"},
};

// The flag boxes and their SR bits, in the order of flagBoxes_.
constexpr const char* kFlagBoxes[] = {"Nbox", "Zbox", "Vbox", "Cbox", "Ibox"};
constexpr uint16_t kFlagBits[] = {sr::kN, sr::kZ, sr::kV, sr::kC, sr::kI};

const RegisterField& FieldOf(Reg r) {
  return *std::find_if(std::begin(kRegisterFields), std::end(kRegisterFields),
                       [r](const RegisterField& field) { return field.reg == r; });
}

bool IsProgrammerRegister(Reg r) { return r == Reg::R1 || r == Reg::R2 || r == Reg::SP || r == Reg::PC; }

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Text, qGray(colour.rgb()) < 100 ? Qt::white : Qt::black);
  widget->setPalette(palette);
}

constexpr int kWindowFontPixels = 11;
constexpr int kRegisterFontPixels = 11;
constexpr int kMicroInstructionFontPixels = 10;

QRect Scaled(const QRect& rect, const ZoomLevel& zoom) {
  return {zoom.Scaled(rect.x()), zoom.Scaled(rect.y()), zoom.Scaled(rect.width()),
          zoom.Scaled(rect.height())};
}

QString RunDashes(int count, const QString& lead) { return lead + QStringLiteral("- ").repeated(count); }

}  // namespace

ProcessorWindow::ProcessorWindow(ProcessorHost& host, QWidget* parent)
    : QWidget(parent), host_(host), sizeMode_(host.Defaults().processor.sizeMode) {
  setObjectName(QStringLiteral("TTAV2"));
  setWindowTitle(QString::fromLatin1(kCaption));
  setAttribute(Qt::WA_DeleteOnClose);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  CreateControls();
  CreatePopupMenu();
  ApplyZoom();
  ApplyLayout(sizeMode_);
  const WindowBounds& bounds = host.Defaults().processor.bounds;
  resize(bounds.width, bounds.height);

  ProcessorDisplay& display = *this;
  ScreenTerminal& screen = host.Screen();
  processor_ = std::make_unique<Processor>(host.Hardware(), display, &screen.Services());
  debugger_ =
      std::make_unique<Debugger>(host.Hardware(), *processor_, display, &screen.Grid(), &screen.Keys());
  runTimer_.setParent(this);  // found by its name
  runTimer_.setObjectName(QStringLiteral("Runtimer"));
  connect(&runTimer_, &QTimer::timeout, this, &ProcessorWindow::AdvanceRun);
  statusTimer_.setInterval(kStatusInterval);
  connect(&statusTimer_, &QTimer::timeout, this, &ProcessorWindow::UpdateStatus);
  // A key wait may begin inside a Clock or an Instruction, when no run polls the status.
  connect(&screen, &ScreenTerminal::keyWaitStarted, this, &ProcessorWindow::UpdateStatus);

  host_.ShowProcessorPanel(true);
  debugger_->Reset(true);
  UpdateStatus();
}

ProcessorWindow::~ProcessorWindow() = default;

void ProcessorWindow::CreateControls() {
  // The panel first, so that the controls on it stack above it.
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel_ = panel;

  AddLabel(QStringLiteral("Label12"), QStringLiteral("DATAPATH"));
  AddLabel(QStringLiteral("Label15"), QStringLiteral("CONTROL"));
  AddLabel(QStringLiteral("mclabel"), QStringLiteral("Microcode"));
  for (const RegisterField& field : kRegisterFields) {
    QLineEdit* edit = AddReadOnlyEdit(QString::fromLatin1(field.edit));
    registerEdits_[static_cast<std::size_t>(field.reg)] = edit;
    QLabel* label = AddLabel(QString::fromLatin1(field.label), QString::fromLatin1(field.caption));
    label->setAlignment(Qt::AlignCenter);
  }
  for (const char* name : {"R2label", "R1label", "T1label", "IRlabel", "PClabel", "SPlabel"}) {
    findChild<QLabel*>(QString::fromLatin1(name))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  for (std::size_t i = 0; i < flagBoxes_.size(); ++i)
    flagBoxes_[i] = AddFlagBox(QString::fromLatin1(kFlagBoxes[i]));
  AddLabel(QStringLiteral("NZVClabel"), QStringLiteral("N   Z   V   C"));
  AddLabel(QStringLiteral("Ilabel"), QStringLiteral(" Istat"));

  aluLabel_ = AddLabel(QStringLiteral("ALUlabel"), QString());
  aluLabel_->setAlignment(Qt::AlignCenter);
  QPalette aluPalette = aluLabel_->palette();
  aluPalette.setColor(QPalette::WindowText, Qt::white);
  aluLabel_->setPalette(aluPalette);

  fetchEdit_ = AddReadOnlyEdit(QStringLiteral("Fetchedit"));
  fetchEdit_->setText(QStringLiteral("F"));
  decodeEdit_ = AddReadOnlyEdit(QStringLiteral("Decoedit"));
  decodeEdit_->setText(QStringLiteral("D"));
  executeEdit_ = AddReadOnlyEdit(QStringLiteral("Execedit"));
  executeEdit_->setText(QStringLiteral("E"));
  for (QLineEdit* edit : {fetchEdit_, decodeEdit_, executeEdit_}) edit->setAlignment(Qt::AlignCenter);
  sequenceEdit_ = AddReadOnlyEdit(QStringLiteral("SequenceEdit"));
  sequenceEdit_->setText(QStringLiteral("Fetch"));
  mcEdit_ = AddReadOnlyEdit(QStringLiteral("mcedit"));
  mcTextEdit_ = AddReadOnlyEdit(QStringLiteral("mctextEdit"));

  for (QLineEdit* edit : registerEdits_) {
    if (edit != nullptr) edit->installEventFilter(this);
  }
  statusLabel_ = AddLabel(QStringLiteral("Statuslabel"), QString());
  statusLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  CreateSpeedBox();

  clockButton_ = AddButton(QStringLiteral("Clockknop"), QStringLiteral("Execute clockcycle"));
  QPushButton* instruction =
      AddButton(QStringLiteral("Instructionknop"), QStringLiteral("Execute instruction"));
  goButton_ = AddButton(QStringLiteral("Goknop"), QStringLiteral("Run processor"));
  haltButton_ = AddButton(QStringLiteral("Haltknop"), QStringLiteral("Halt processor"));
  resetButton_ = AddButton(QStringLiteral("Resetknop"), QStringLiteral("Reset processor "));
  new ClockButtonWatcher(
      clockButton_, [this] { OnClockPressed(); }, [this] { OnClockReleased(); });
  setFocusProxy(resetButton_);  // a window given the focus gives it to Reset
  connect(instruction, &QPushButton::clicked, this, &ProcessorWindow::OnInstructionClicked);
  connect(goButton_, &QPushButton::clicked, this, &ProcessorWindow::OnGoClicked);
  connect(haltButton_, &QPushButton::clicked, this, &ProcessorWindow::OnHaltClicked);
  connect(resetButton_, &QPushButton::clicked, this, &ProcessorWindow::OnResetClicked);
  connect(AddButton(QStringLiteral("Backclockknop"), QString::fromLatin1(kBackClockHint)),
          &QPushButton::clicked, this, &ProcessorWindow::OnBackClockClicked);
  connect(AddButton(QStringLiteral("Backknop"), QString::fromLatin1(kBackInstructionHint)),
          &QPushButton::clicked, this, &ProcessorWindow::OnBackInstructionClicked);
}

// The speeds of runs, full speed first; the choice holds from the next run on.
void ProcessorWindow::CreateSpeedBox() {
  speedBox_ = new QComboBox(this);
  speedBox_->setObjectName(QStringLiteral("Speedbox"));
  speedBox_->setToolTip(QStringLiteral("Speed of Go, Step over and Run to cursor"));
  speedBox_->setFocusPolicy(Qt::NoFocus);
  for (const RunSpeed& speed : RunSpeed::Offered()) speedBox_->addItem(QString::fromStdString(speed.Text()));
  connect(speedBox_, &QComboBox::activated, this,
          [this](int index) { SetSpeed(RunSpeed::Offered()[static_cast<std::size_t>(index)]); });
}

void ProcessorWindow::CreatePopupMenu() {
  popupMenu_ = new QMenu(this);
  popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
  QAction* large = popupMenu_->addAction(QString::fromLatin1(kLargeSizeItem));
  large->setObjectName(QStringLiteral("Large1"));
  connect(large, &QAction::triggered, this, [this] { SetSizeMode(SizeMode::Big); });
  QAction* small = popupMenu_->addAction(QString::fromLatin1(kSmallSizeItem));
  small->setObjectName(QStringLiteral("Small1"));
  connect(small, &QAction::triggered, this, [this] { SetSizeMode(SizeMode::Small); });
}

QLineEdit* ProcessorWindow::AddReadOnlyEdit(const QString& name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  edit->setTextMargins(0, 0, 0, 0);
  return edit;
}

QLabel* ProcessorWindow::AddLabel(const QString& name, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  return label;
}

QPushButton* ProcessorWindow::AddButton(const QString& name, const QString& hint) {
  auto* button = new QPushButton(this);
  button->setObjectName(name);
  button->setToolTip(hint);
  return button;
}

// The flags only show SR; the user cannot tick them.
QCheckBox* ProcessorWindow::AddFlagBox(const QString& name) {
  auto* box = new QCheckBox(this);
  box->setObjectName(name);
  box->setAttribute(Qt::WA_TransparentForMouseEvents);
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

// The labels and buttons take the window's font, the register fields and
// the micro-instruction fixed-pitch ones, the flags' boxes a larger
// indicator; all at the zoom level.
void ProcessorWindow::ApplyZoom() {
  QFont font = this->font();
  font.setPixelSize(zoom_.Scaled(kWindowFontPixels));
  setFont(font);
  for (QLineEdit* edit : registerEdits_) {
    if (edit != nullptr) edit->setFont(FixedFont::OfPixels(kRegisterFontPixels, zoom_));
  }
  mcEdit_->setFont(FixedFont::OfPixels(kMicroInstructionFontPixels, zoom_));
  QFont statusFont = font;
  statusFont.setPixelSize(zoom_.Scaled(kStatusFontPixels));
  statusLabel_->setFont(statusFont);
  const int indicator = zoom_.Scaled(style()->pixelMetric(QStyle::PM_IndicatorWidth));
  const QString sheet =
      zoom_ == ZoomLevel()
          ? QString()
          : QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(indicator);
  for (QCheckBox* box : flagBoxes_) box->setStyleSheet(sheet);
}

void ProcessorWindow::ApplyLayout(SizeMode mode) {
  const ProcessorLayout& layout = ProcessorLayout::For(mode);
  for (const auto& [name, rect] : layout.controls) {
    QWidget* control = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    control->setGeometry(Scaled(rect, zoom_));
    control->show();
  }
  for (const QString& name : layout.hidden) findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)->hide();
  for (const auto& [name, caption] : layout.buttonCaptions) {
    findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly)->setText(caption);
  }
  PlacePanel();
}

void ProcessorWindow::PlacePanel() {
  const int top = zoom_.Scaled(ProcessorLayout::For(sizeMode_).panelTop);
  panel_->setGeometry(0, top, width(), std::max(0, height() - top));
}

void ProcessorWindow::SetSizeMode(SizeMode mode) {
  sizeMode_ = mode;
  ApplyLayout(mode);
  const QSize size = ProcessorLayout::For(mode).windowSize;
  WindowFrame::Resize(this, zoom_.Scaled(size.width()), zoom_.Scaled(size.height()));
  update();
}

void ProcessorWindow::SetZoom(const ZoomLevel& zoom) {
  const ZoomLevel from = std::exchange(zoom_, zoom);
  ApplyZoom();
  ApplyLayout(sizeMode_);
  WindowFrame::Rescale(this, from, zoom);
  update();
}

ProcessorWindowSettings ProcessorWindow::Settings() const { return {WindowFrame::Bounds(this), sizeMode_}; }

void ProcessorWindow::ApplySettings(const ProcessorWindowSettings& settings) {
  if (settings.sizeMode != sizeMode_) SetSizeMode(settings.sizeMode);
  WindowFrame::Place(this, settings.bounds);
}

DatapathDrawing ProcessorWindow::Datapath() const {
  const auto field = [this](Reg r) { return registerEdits_[static_cast<std::size_t>(r)]->geometry(); };
  const DatapathDrawing::Fields fields{field(Reg::R1),  field(Reg::R2),  field(Reg::T1),
                                       field(Reg::A),   field(Reg::B),   field(Reg::C),
                                       field(Reg::PC),  field(Reg::SP),  field(Reg::IR),
                                       field(Reg::MDR), field(Reg::MAR), flagBoxes_[3]->geometry()};
  return DatapathDrawing(sizeMode_, fields, width(), zoom_);
}

void ProcessorWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Datapath().Draw(painter);
}

void ProcessorWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!placed_) {
    placed_ = true;
    WindowFrame::Place(this, host_.Defaults().processor.bounds);
  }
  resetButton_->setFocus();
}

void ProcessorWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlacePanel();
}

void ProcessorWindow::closeEvent(QCloseEvent* event) {
  if (!debugger_->CanClose()) {
    event->ignore();
    return;
  }
  host_.Defaults().processor = Settings();
  host_.ShowProcessorPanel(false);
  ForEachMemoryView([](MemoryView& view) { view.RemovePcMark(); });
  host_.ProcessorWindowClosed();
  event->accept();
}

void ProcessorWindow::contextMenuEvent(QContextMenuEvent* event) { popupMenu_->popup(event->globalPos()); }

void ProcessorWindow::OnResetClicked() {
  EndRegisterEdit();
  debugger_->Reset();
  NoteWhenGoEnded();
  UpdateStatus();
}

void ProcessorWindow::OnClockPressed() {
  EndRegisterEdit();
  debugger_->ClockPress();
  UpdateStatus();
}

void ProcessorWindow::OnClockReleased() {
  debugger_->ClockRelease();
  UpdateStatus();
}

void ProcessorWindow::ClockCycle() {
  OnClockPressed();
  OnClockReleased();
}

void ProcessorWindow::OnInstructionClicked() {
  EndRegisterEdit();
  debugger_->Instruction();
  UpdateStatus();
}

void ProcessorWindow::OnGoClicked() {
  EndRegisterEdit();
  StartRun(debugger_->Go(speed_));
}

void ProcessorWindow::OnStepOverClicked() {
  EndRegisterEdit();
  StartRun(debugger_->StepOver(speed_));
}

void ProcessorWindow::RunToAddress(uint16_t address) {
  EndRegisterEdit();
  StartRun(debugger_->RunTo(address, speed_));
}

void ProcessorWindow::OnHaltClicked() {
  debugger_->Halt();
  NoteWhenGoEnded();
}

void ProcessorWindow::OnBackClockClicked() { StepBack(&Debugger::BackClock); }

void ProcessorWindow::OnBackInstructionClicked() { StepBack(&Debugger::BackInstruction); }

// The marks of the accesses of the clocks undone go; a step back from the
// start of the history says so (one refused while the processor is busy
// says nothing, as Clock and Instruction then do).
void ProcessorWindow::StepBack(BackResult (Debugger::*step)()) {
  EndRegisterEdit();
  if (debugger_->Busy()) return;
  if ((*debugger_.*step)() == BackResult::Nothing) {
    Dialogs::Current().ShowInfo(this, QString::fromLatin1(kNoHistory));
  } else {
    ForEachMemoryView([](MemoryView& view) { view.RemoveAccessMark(); });
  }
  UpdateStatus();
}

void ProcessorWindow::SetSpeed(const RunSpeed& speed) {
  speed_ = speed;
  const auto& offered = RunSpeed::Offered();
  const auto found = std::find(offered.begin(), offered.end(), speed);
  if (found != offered.end()) speedBox_->setCurrentIndex(static_cast<int>(found - offered.begin()));
}

// A run begun (or refused: a halted processor) shows in the status line at once.
void ProcessorWindow::StartRun(bool begun) {
  if (begun) {
    goRunning_ = true;
    runTimer_.start(speed_.Interval());
    statusTimer_.start();
  }
  UpdateStatus();
}

void ProcessorWindow::AdvanceRun() {
  if (!debugger_->ContinueRun(kSliceBudget)) {
    NoteWhenGoEnded();
    return;
  }
  if (speed_.Animated()) UpdateStatus();
}

void ProcessorWindow::NoteWhenGoEnded() {
  if (!goRunning_ || debugger_->RunActive()) return;
  goRunning_ = false;
  runTimer_.stop();
  statusTimer_.stop();
  UpdateStatus();
  emit goEnded();
}

QString ProcessorWindow::StatusText() const { return QString::fromStdString(Status().Text()); }

// The main window's status line gets the whole text; this window's field the
// state over the counters in short, and the whole text as its hint.
void ProcessorWindow::UpdateStatus() {
  const RunStatus status = Status();
  const QString text = QString::fromStdString(status.Text());
  if (text == statusText_) return;
  statusText_ = text;
  statusLabel_->setText(QString::fromStdString(status.StateText() + "\n" + status.ShortCountersText()));
  statusLabel_->setToolTip(text);
  emit statusChanged(text);
}

void ProcessorWindow::ProgramLoaded(std::string_view text) {
  debugger_->SetProgramText(text);
  debugger_->ClearHistory();
}

bool ProcessorWindow::SetWatch(uint16_t address, WatchKind kind) {
  if (!debugger_->SetWatch(address, kind)) {
    Dialogs::Current().ShowError(
        this,
        QString::asprintf("Cannot watch %04X: at most %d words are watched at a time; remove a watch first",
                          address, WatchList::kCapacity));
    return false;
  }
  RedrawWatchMark(address);
  return true;
}

void ProcessorWindow::RemoveWatch(uint16_t address) {
  if (debugger_->RemoveWatch(address)) RedrawWatchMark(address);
}

void ProcessorWindow::RedrawWatchMark(uint16_t address) {
  ForEachMemoryView([address](MemoryView& view) { view.RedrawWord(address); });
}

bool ProcessorWindow::EditWords(uint16_t address, std::span<const uint16_t> values) {
  const bool edited = debugger_->PokeWords(address, values);
  UpdateStatus();
  return edited;
}

// ---- Editing a register field

std::optional<Reg> ProcessorWindow::RegisterOf(const QObject* edit) const {
  for (const RegisterField& field : kRegisterFields) {
    if (registerEdits_[static_cast<std::size_t>(field.reg)] == edit) return field.reg;
  }
  return std::nullopt;
}

bool ProcessorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!RegisterOf(watched)) return QWidget::eventFilter(watched, event);
  auto* edit = static_cast<QLineEdit*>(watched);
  switch (event->type()) {
    case QEvent::MouseButtonDblClick:
      if (editedRegister_ == nullptr) BeginRegisterEdit(edit);
      return true;
    case QEvent::KeyPress: {
      if (edit != editedRegister_) return false;
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        CommitRegisterEdit();
        return true;
      }
      if (key == Qt::Key_Escape) {
        EndRegisterEdit();
        return true;
      }
      return false;
    }
    case QEvent::FocusOut:
      if (edit == editedRegister_) EndRegisterEdit();
      return false;
    default: return false;
  }
}

// Only while the processor is not busy: not during a run, a clock or a key wait.
void ProcessorWindow::BeginRegisterEdit(QLineEdit* edit) {
  if (debugger_->Busy()) return;
  editedRegister_ = edit;
  edit->setReadOnly(false);
  edit->setFocusPolicy(Qt::StrongFocus);
  edit->setText(edit->text().trimmed());
  edit->setFocus();
  edit->selectAll();
}

void ProcessorWindow::CommitRegisterEdit() {
  QLineEdit* edit = editedRegister_;
  const Reg reg = *RegisterOf(edit);
  const QString typed = edit->text();
  const std::optional<uint16_t> value = HexField::ReadWord(typed.toStdString());
  EndRegisterEdit();
  if (!value) {
    Dialogs::Current().ShowError(this,
                                 QString("\"%1\" is not a hexadecimal word (0 to FFFF): %2 is not changed")
                                     .arg(typed.trimmed(), QString::fromLatin1(FieldOf(reg).caption)));
    return;
  }
  debugger_->SetRegister(reg, *value);
  UpdateStatus();
}

// Back to a read-only field showing the register (nothing when no field is edited).
void ProcessorWindow::EndRegisterEdit() {
  QLineEdit* edit = std::exchange(editedRegister_, nullptr);
  if (edit == nullptr) return;
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  if (edit->hasFocus()) setFocus();
  ShowRegisters();
}

template <class Action>
void ProcessorWindow::ForEachMemoryView(Action action) {
  for (int slot = 0; slot < ProcessorHost::kMemoryViewSlots; ++slot) {
    if (MemoryView* view = host_.FindMemoryView(slot)) action(*view);
  }
}

void ProcessorWindow::ColourRegister(Reg r, const QColor& colour) {
  if (QLineEdit* edit = registerEdits_[static_cast<std::size_t>(r)]) SetBackground(edit, colour);
}

void ProcessorWindow::ColourAllRegisters(const QColor& colour) {
  for (const RegisterField& field : kRegisterFields) ColourRegister(field.reg, colour);
}

void ProcessorWindow::ColourMicroFields(const QColor& colour) {
  SetBackground(mcEdit_, colour);
  SetBackground(mcTextEdit_, colour);
}

void ProcessorWindow::MarkSource(Reg r) { ColourRegister(r, kGreen); }

void ProcessorWindow::MarkMdrToMemory() { ColourRegister(Reg::MDR, kBlue); }

void ProcessorWindow::MemoryRead(uint16_t address) { ShowMarkedAccess(address); }

void ProcessorWindow::MarkDestination(Reg r) { ColourRegister(r, kYellow); }

void ProcessorWindow::MarkMdrFromMemory() { ColourRegister(Reg::MDR, kAqua); }

void ProcessorWindow::MemoryWrite(uint16_t address) { ShowMarkedAccess(address); }

void ProcessorWindow::ShowMarkedAccess(uint16_t address) {
  ForEachMemoryView([address](MemoryView& view) {
    view.MarkAccess(address);
    view.ScrollIntoView(address);
  });
}

void ProcessorWindow::PcWritten(uint16_t pc) { MarkPc(pc); }

void ProcessorWindow::MarkPc(uint16_t pc) {
  ForEachMemoryView([pc](MemoryView& view) {
    view.MarkPc(pc);
    view.ScrollIntoView(pc);
  });
}

void ProcessorWindow::MemoryWordWritten(uint16_t address) {
  ForEachMemoryView([address](MemoryView& view) { view.WordWritten(address); });
}

void ProcessorWindow::MicroInstructionLoaded() {
  ShowSequence();
  ShowMicroInstruction();
  ShowRegisters();
}

void ProcessorWindow::PhaseChanged(Phase phase) { ShowPhase(phase); }

void ProcessorWindow::WhitenForClock() {
  ColourAllRegisters(kWhite);
  ForEachMemoryView([](MemoryView& view) { view.RemoveAccessMark(); });
  ColourMicroFields(kSilver);
  ShowMicroInstruction();
}

void ProcessorWindow::DimForRun() {
  ColourAllRegisters(kSilver);
  ForEachMemoryView([](MemoryView& view) { view.RemoveAccessMark(); });
  for (QLineEdit* edit : {fetchEdit_, decodeEdit_, executeEdit_}) SetBackground(edit, kLime);
  sequenceEdit_->setText(QStringLiteral(">>>>>>>>"));
  mcEdit_->setText(RunDashes(48, QStringLiteral("  ")));
  mcTextEdit_->setText(RunDashes(32, QStringLiteral(" ")));
  ColourMicroFields(kGray);
}

void ProcessorWindow::RestoreDisplay() {
  for (const RegisterField& field : kRegisterFields) {
    ColourRegister(field.reg, IsProgrammerRegister(field.reg) ? kWhite : kGray);
  }
  ShowPhase(processor_->State().phase);
  ShowSequence();
  ColourMicroFields(kGray);
  ShowMicroInstruction();
}

void ProcessorWindow::ShowRegisters() {
  const ProcessorState& state = processor_->State();
  for (const RegisterField& field : kRegisterFields) {
    registerEdits_[static_cast<std::size_t>(field.reg)]->setText(
        QString::asprintf(" %04X", state[field.reg]));
  }
  for (std::size_t i = 0; i < flagBoxes_.size(); ++i) flagBoxes_[i]->setChecked(state.Flag(kFlagBits[i]));
  const std::string_view name = AluFunctionName(state.aluFunction);
  aluLabel_->setText(name.empty() ? QStringLiteral("  -")
                                  : QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

void ProcessorWindow::ShowPhase(Phase phase) {
  QColor f = kBlack, d = kBlack, e = kBlack;
  switch (phase) {
    case Phase::Fetch: f = kRed; break;
    case Phase::Immediate:
    case Phase::Indirect:
      f = kRed;
      d = kYellow;
      break;
    case Phase::Execute:
    case Phase::WriteBack: e = kBlue; break;
    case Phase::Decode:
    case Phase::None: break;
  }
  SetBackground(fetchEdit_, f);
  SetBackground(decodeEdit_, d);
  SetBackground(executeEdit_, e);
}

void ProcessorWindow::ShowSequence() {
  const ProcessorState& state = processor_->State();
  sequenceEdit_->setText(QString::fromStdString(host_.Hardware().mcrom.Entry(state.entry).Name()));
}

void ProcessorWindow::ShowMicroInstruction() {
  const MicroInstruction& mi = processor_->State().loaded;
  mcEdit_->setText(QString::fromStdString(MicroInstructionBinary(mi)));
  mcTextEdit_->setText(QString::fromStdString(MicroInstructionText(mi, false)));
  mcTextEdit_->setCursorPosition(0);
}

void ProcessorWindow::Focus(RunButton button) {
  switch (button) {
    case RunButton::Reset: resetButton_->setFocus(); break;
    case RunButton::Go: goButton_->setFocus(); break;
    case RunButton::Halt: haltButton_->setFocus(); break;
  }
}

void ProcessorWindow::ShowSourceLine(int position) { host_.ShowSourceLine(position); }

void ProcessorWindow::ClearSourceLine() { host_.ClearSourceLine(); }

void ProcessorWindow::ShowError(const std::string& text) {
  Dialogs::Current().ShowError(this, QString::fromStdString(text));
}

void ProcessorWindow::ShowWarning(const std::string& text) {
  Dialogs::Current().ShowWarning(this, QString::fromStdString(text));
}

}  // namespace tav2
