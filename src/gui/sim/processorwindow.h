#pragma once
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "gui/sim/datapathdrawing.h"
#include "core/shell/layoutdefaults.h"
#include "core/shell/zoomlevel.h"
#include "core/sim/processor.h"
#include "core/sim/processordisplay.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tav2 {

class ProcessorHost;
class MemoryView;

// The processor window: the datapath with its register fields, flags,
// micro-instruction and phase display, and the five run-control buttons.
// It owns the processor (register file, engine, run control) and is the
// processor's display. Go runs in slices from a zero-interval timer, so the
// workbench stays live; Halt and Reset take effect at the next instruction
// end. Close it through its frame (the QMdiSubWindow).
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

  Processor& Cpu() { return *processor_; }
  bool Running() const { return processor_->State().running; }
  uint16_t Pc() const { return processor_->State()[Reg::PC]; }

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
  void OnGoClicked();
  void OnHaltClicked();

 signals:
  // A Go run has ended (halt, breakpoint, Halt or Reset).
  void goEnded();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

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
  void RunSlice();
  void NoteWhenGoEnded();
  template <class Action>
  void ForEachMemoryView(Action action);

  ProcessorHost& host_;
  std::unique_ptr<Processor> processor_;
  SizeMode sizeMode_;
  ZoomLevel zoom_;
  bool placed_ = false;     // the frame has taken the remembered bounds
  bool goRunning_ = false;  // a Go run started here has not ended yet
  QTimer goTimer_;

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
  QMenu* popupMenu_ = nullptr;
};

}  // namespace tav2
