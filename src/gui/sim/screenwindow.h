#pragma once
#include <QTimer>
#include <QWidget>

#include "core/shell/zoomlevel.h"

class QMenu;

namespace tav2 {

class ProcessorHost;
class ScreenGrid;
class ScreenTerminal;
class TerminalOptionsDialog;

// The terminal screen: draws the process-wide screen grid and takes the
// keys a running program reads. Created by the main window's Application
// command or by the first terminal service; close it through its frame.
class ScreenWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kLeftMargin = 8;
  static constexpr int kTopMargin = 12;
  static constexpr int kBlinkMilliseconds = 400;

  // Measures the cell size, takes the remembered bounds, lays the grid out
  // from the window size and clears it.
  explicit ScreenWindow(ProcessorHost& host, QWidget* parent = nullptr);
  ~ScreenWindow() override;

  // The pixels of a cell and of the cursor line before it.
  QRect CellRect(int column, int row) const;
  QRect CursorRect(int column, int row) const;
  void UpdateCell(int column, int row);
  void UpdateCursor(int column, int row);

  // Letters, cells and margins at the zoom level; a shown window's frame
  // grows or shrinks with it, so that the grid keeps its lines.
  void SetZoom(const ZoomLevel& zoom);

  // Cascade keeps the window's size, so that the grid keeps its lines.
  QSize sizeHint() const override { return size(); }

  // The pop-up commands.
  void ClearScreen();
  TerminalOptionsDialog* ShowTerminalOptions();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // Tab is a key for the program, not a move to another control.
  bool focusNextPrevChild(bool next) override;

 private:
  void CreatePopupMenu();
  void ApplyZoom();
  void OnBlinkTimer();
  bool ProcessorRunning() const;

  ProcessorHost& host_;
  ScreenTerminal& screen_;
  ScreenGrid& grid_;
  QTimer blinkTimer_;
  QMenu* popupMenu_ = nullptr;
  bool placed_ = false;          // the frame has taken the remembered bounds
  bool tabReadAsInput_ = false;  // a waiting service took the Tab just pressed
  bool rezooming_ = false;       // the frame is being scaled to a new zoom level
  ZoomLevel zoom_;
};

}  // namespace tav2
