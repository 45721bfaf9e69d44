#pragma once
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "gui/sim/datapathdrawing.h"
#include "core/shell/layoutdefaults.h"
#include "core/sim/debugger.h"
#include "core/shell/zoomlevel.h"
#include "core/sim/processor.h"
#include "core/sim/processordisplay.h"
#include "core/sim/runspeed.h"
#include "core/sim/watchlist.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tav2 {

class ProcessorHost;
class MemoryView;

// The processor window: the datapath with its register fields, flags,
// micro-instruction and phase display, the run-control buttons, the two
// buttons that step back, the speed of runs and the status line. It owns
// the processor (register file, engine, run control) with its debugger, and
// is the processor's display. Every command goes through the debugger, so
// that it enters the history. A run (Go, Step over, Run to an address) is
// advanced by a timer: at full speed in slices from a zero-interval timer,
// animated one instruction or clock per tick, so the workbench stays live;
// the status line follows a few times a second. Halt and Reset take effect
// at the next instruction end of a run at full speed and at once in an
// animated one. A register field is edited by a double-click, hexadecimal
// digits and Enter (Escape cancels). Close it through its frame (the
// QMdiSubWindow).
class ProcessorWindow : public QWidget, private ProcessorDisplay {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "TAV2 PROCESSOR";
  static constexpr const char* kLargeSizeItem = "Size: 300*400";
  static constexpr const char* kSmallSizeItem = "Size: 200 * 300";

  // Creates the processor, shows the main window's processor panel and
  // resets; the frame takes the remembered bounds when first shown.
  explicit ProcessorWindow(ProcessorHost& host, QWidget* parent = nullptr);
  ~ProcessorWindow() override;

  static constexpr const char* kBackClockHint = "Back one clock cycle";
  static constexpr const char* kBackInstructionHint = "Back one instruction";
  static constexpr const char* kNoHistory =
      "Nothing to go back to: the history begins at Reset, at loading a program and at loading micro-code";

  Processor& Cpu() { return *processor_; }
  Debugger& RunDebugger() { return *debugger_; }
  // A run (of Go, Step over or Run to) is active, or a clock or a service
  // is inside its work.
  bool Running() const { return debugger_->RunActive() || processor_->State().running; }
  uint16_t Pc() const { return processor_->State()[Reg::PC]; }
  // Refuses (with a warning) while a program runs.
  bool CanClose() { return debugger_->CanClose(); }

  // The status line: the state, and the counters since Reset.
  RunStatus Status() const { return debugger_->Status(); }
  QString StatusText() const;
  const RunSpeed& Speed() const { return speed_; }
  // The speed of the runs begun from now on.
  void SetSpeed(const RunSpeed& speed);

  // After a program was loaded into memory: the text it was assembled from
  // (for the lines of breakpoints and Run to cursor); the history begins anew.
  void ProgramLoaded(std::string_view text);
  // The text of the last program loaded, without clearing the history.
  void SetProgramText(std::string_view text) { debugger_->SetProgramText(text); }

  // Watches of memory words (at most WatchList::kCapacity: "Cannot watch ..."
  // beyond); every memory view marks them.
  bool SetWatch(uint16_t address, WatchKind kind);
  void RemoveWatch(uint16_t address);
  const WatchList& Watches() const { return debugger_->Watches(); }
  // Memory words changed by the user, as one step of the history; false
  // (nothing changed) while the processor runs.
  bool EditWords(uint16_t address, std::span<const uint16_t> values);

  SizeMode CurrentSizeMode() const { return sizeMode_; }
  // Applies the mode's layout and window size and repaints.
  void SetSizeMode(SizeMode mode);
  // Draws the datapath and places, sizes and letters every control at the
  // zoom level; a shown window's frame grows or shrinks with it.
  void SetZoom(const ZoomLevel& zoom);
  const ZoomLevel& Zoom() const { return zoom_; }
  // The frame's bounds and the size mode (Store distribution, closing).
  ProcessorWindowSettings Settings() const;
  // Switches the size mode when it differs, then takes the bounds (Distribute).
  void ApplySettings(const ProcessorWindowSettings& settings);

  // Cascade keeps the window's size, so that the whole datapath stays in sight.
  QSize sizeHint() const override { return size(); }

  DatapathDrawing Datapath() const;
  QMenu* PopupMenu() const { return popupMenu_; }

 public slots:
  void OnResetClicked();
  void OnClockPressed();
  void OnClockReleased();
  void OnInstructionClicked();
  // Both halves of a clock cycle (the Run menu's Clock).
  void ClockCycle();
  void OnGoClicked();
  void OnHaltClicked();
  void OnBackClockClicked();
  void OnBackInstructionClicked();
  void OnStepOverClicked();
  // Runs until PC reaches `address` between two instructions.
  void RunToAddress(uint16_t address);
  // One tick of the run timer: a slice of a run at full speed, one step of
  // an animated run.
  void AdvanceRun();

 signals:
  // A run has ended (halt, breakpoint, watch, goal reached, Halt or Reset).
  void goEnded();
  // The status line's text changed.
  void statusChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The processor's display.
  void MarkSource(Reg r) override;
  void MarkMdrToMemory() override;
  void MemoryRead(uint16_t address) override;
  void MarkDestination(Reg r) override;
  void MarkMdrFromMemory() override;
  void MemoryWrite(uint16_t address) override;
  void PcWritten(uint16_t pc) override;
  void MemoryWordWritten(uint16_t address) override;
  void MicroInstructionLoaded() override;
  void PhaseChanged(Phase phase) override;
  void WhitenForClock() override;
  void DimForRun() override;
  void RestoreDisplay() override;
  void ShowRegisters() override;
  void Focus(RunButton button) override;
  void ShowSourceLine(int position) override;
  void ClearSourceLine() override;
  void MarkPc(uint16_t pc) override;
  void ShowError(const std::string& text) override;
  void ShowWarning(const std::string& text) override;

  void CreateControls();
  void CreatePopupMenu();
  QLineEdit* AddReadOnlyEdit(const QString& name);
  QLabel* AddLabel(const QString& name, const QString& text);
  QPushButton* AddButton(const QString& name, const QString& hint);
  QCheckBox* AddFlagBox(const QString& name);
  void ApplyZoom();
  void ApplyLayout(SizeMode mode);
  void PlacePanel();

  void ShowPhase(Phase phase);
  void ShowSequence();
  void ShowMicroInstruction();
  void ShowMarkedAccess(uint16_t address);
  void ColourRegister(Reg r, const QColor& colour);
  void ColourAllRegisters(const QColor& colour);
  void ColourMicroFields(const QColor& colour);
  void CreateSpeedBox();
  void StartRun(bool begun);
  void NoteWhenGoEnded();
  void UpdateStatus();
  void StepBack(BackResult (Debugger::*step)());
  void RedrawWatchMark(uint16_t address);
  // Editing a register field in place.
  void BeginRegisterEdit(QLineEdit* edit);
  void CommitRegisterEdit();
  void EndRegisterEdit();
  std::optional<Reg> RegisterOf(const QObject* edit) const;
  template <class Action>
  void ForEachMemoryView(Action action);

  ProcessorHost& host_;
  std::unique_ptr<Processor> processor_;
  std::unique_ptr<Debugger> debugger_;
  SizeMode sizeMode_;
  ZoomLevel zoom_;
  bool placed_ = false;     // the frame has taken the remembered bounds
  bool goRunning_ = false;  // a run started here has not ended yet
  RunSpeed speed_;
  QTimer runTimer_;
  QTimer statusTimer_;
  QString statusText_;
  QLineEdit* editedRegister_ = nullptr;

  std::array<QLineEdit*, kRegisterCount> registerEdits_{};  // none for SR
  std::array<QCheckBox*, 5> flagBoxes_{};                   // N Z V C I
  QLineEdit* fetchEdit_ = nullptr;
  QLineEdit* decodeEdit_ = nullptr;
  QLineEdit* executeEdit_ = nullptr;
  QLineEdit* sequenceEdit_ = nullptr;
  QLineEdit* mcEdit_ = nullptr;
  QLineEdit* mcTextEdit_ = nullptr;
  QLabel* aluLabel_ = nullptr;
  QWidget* panel_ = nullptr;
  QPushButton* clockButton_ = nullptr;
  QPushButton* goButton_ = nullptr;
  QPushButton* haltButton_ = nullptr;
  QPushButton* resetButton_ = nullptr;
  QComboBox* speedBox_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QMenu* popupMenu_ = nullptr;
};

}  // namespace tav2
