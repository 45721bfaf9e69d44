#pragma once
#include <QAbstractScrollArea>
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>

#include "core/shell/layoutdefaults.h"
#include "core/sim/pagedisassembly.h"
#include "core/sim/watchlist.h"
#include "core/shell/memoryviewcolumns.h"
#include "core/shell/zoomlevel.h"

class QAction;
class QMenu;

namespace tav2 {

class ProcessorHost;
class MemoryViewOptionsDialog;

// A memory view: one page of 256 words, a row each, with the address and
// up to five columns (hex, signed decimal, character, binary, disassembly),
// the PC mark, the access mark and the marks of watched words. Rows are
// painted from memory; the processor's calls only say which rows to paint
// again. Words written during a run are collected and painted once the
// event loop runs, and a hidden view ignores them.
class MemoryView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int kRows = 256;
  static constexpr int kTopMargin = 10;
  static constexpr const char* kNotWhileRunning =
      "Memory is not changed while the processor runs: Halt or Reset first";

  using Switches = MemoryViewColumns;
  enum class Column { Address, Hex, Decimal, Ascii, Binary, Disassembly };

  // Where a column starts at 100 %: each shown column starts where the one
  // before ends.
  static int ColumnX(Column column, const Switches& switches);
  // Where a column of this view starts, at its zoom level.
  int ColumnLeft(Column column) const { return zoom_.Scaled(ColumnX(column, switches_)); }

  // A view in `slot` (0..2) at the slot's defaults: bounds and page.
  MemoryView(ProcessorHost& host, int slot, QWidget* parent = nullptr);

  int Slot() const { return slot_; }
  uint16_t PageBase() const { return pageBase_; }
  const Switches& ColumnSwitches() const { return switches_; }
  int RowHeight() const { return rowHeight_; }
  // Letters, rows, columns and marks at the zoom level; a shown view's
  // frame grows or shrinks with it.
  void SetZoom(const ZoomLevel& zoom);
  // The top of an address's row in the viewport.
  int RowTop(uint16_t address) const;
  bool OnPage(uint16_t address) const { return (address & 0xFF00) == pageBase_; }

  // The disassembly drawn on the row at the last painting (empty when the
  // row belongs to the instruction above or the column is off).
  QString DisassemblyShown(uint16_t address) const;
  std::optional<uint16_t> AccessMark() const { return accessMark_; }
  std::optional<uint16_t> PcMark() const { return pcMark_; }

  // The options dialog's OK: page, switches, PC mark, and a full painting.
  void Configure(uint16_t pageBase, const Switches& switches);
  MemoryViewSettings Settings() const;
  void ApplySettings(const MemoryViewSettings& settings);

  // The operations the processor, the assembler and the dialog call.
  void PaintPage();
  void MarkPc(uint16_t address);
  void RemovePcMark();
  void MarkAccess(uint16_t address);
  void RemoveAccessMark();
  void RedrawWord(uint16_t address);
  void ScrollIntoView(uint16_t address);
  // A word of memory changed (also during Go): RedrawWord and
  // ScrollIntoView once the event loop has its turn.
  void WordWritten(uint16_t address);

  // The pop-up commands.
  void ClearPage();
  MemoryViewOptionsDialog* ShowOptions();
  void OpenNewPage();
  // The pop-up commands on the word under the mouse (see PopupAddress):
  // the watches of the processor window's debugger ("Stop when written" and
  // "Stop when read" each switch their half of the word's watch on or off),
  // and editing the word (asked for in hexadecimal through Dialogs).
  void ToggleWatch(WatchKind kind);
  void RemoveWatch();
  void EditWord();

  // The address of the row at a point of the viewport; none off the rows.
  std::optional<uint16_t> AddressAt(QPoint point) const;
  // The word the pop-up menu was opened on last.
  std::optional<uint16_t> PopupAddress() const { return popupAddress_; }
  QMenu* PopupMenu() const { return popupMenu_; }
  // Where the mark of a watched word is drawn, in the viewport.
  QRect WatchMarkRect(uint16_t address) const;

  // Navigation: Go to address asks for a hexadecimal address or a label of
  // the loaded program, Find value for a word or a text after the row gone
  // to last; both show the row found at the top of the view, framed.
  void GoToAddress();
  void FindValue();
  void ShowAddress(uint16_t address);
  std::optional<uint16_t> ShownAddress() const { return shownAddress_; }
  // In follow-PC mode the view turns to the PC's page and keeps its row in
  // view at every mark.
  void SetFollowPc(bool on);
  bool FollowsPc() const { return followPc_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct RowColours {
    QColor text;
    QColor background;
  };

  void CreatePopupMenu();
  void AddNavigationItems();
  void FollowPc(uint16_t address);
  void DrawShownAddressFrame(QPainter& painter);
  void UpdateScrollRange();
  void UpdateRow(uint16_t address);
  void DrawRow(QPainter& painter, uint16_t address, bool withDisassembly, const RowColours& colours);
  void DrawPcMark(QPainter& painter, uint16_t address);
  void DrawWatchMarks(QPainter& painter);
  void FlushWrittenWords();
  // Writes words the user changed: through the processor window's debugger
  // when it is open, so that they enter its history; false (and a message)
  // while the processor runs.
  bool WriteWords(uint16_t address, std::span<const uint16_t> values);

  ProcessorHost& host_;
  int slot_;
  uint16_t pageBase_;
  Switches switches_;
  int rowHeight_ = 12;
  ZoomLevel zoom_;
  std::optional<uint16_t> accessMark_;
  std::optional<uint16_t> pcMark_;
  PageDisassembly disassembly_;
  std::bitset<kRows> writtenRows_;
  uint16_t lastWritten_ = 0;
  bool flushQueued_ = false;
  bool placed_ = false;  // the frame has taken the slot's bounds
  QMenu* popupMenu_ = nullptr;
  QAction* followPcItem_ = nullptr;
  std::optional<uint16_t> shownAddress_;
  bool followPc_ = false;
  QList<QAction*> wordItems_;  // the pop-up items on the word under the mouse
  std::optional<uint16_t> popupAddress_;
};

}  // namespace tav2
