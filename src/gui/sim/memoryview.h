#pragma once
#include <QAbstractScrollArea>
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "core/shell/layoutdefaults.h"
#include "core/shell/memoryviewcolumns.h"
#include "core/shell/zoomlevel.h"

class QMenu;

namespace tav2 {

class ProcessorHost;
class MemoryViewOptionsDialog;

// A memory view: one page of 256 words, a row each, with the address and
// up to five columns (hex, signed decimal, character, binary, disassembly),
// the PC mark and the access mark. Rows are painted from memory; the
// processor's calls only say which rows to paint again. Words written
// during a run are collected and painted once the event loop runs, and a
// hidden view ignores them.
class MemoryView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int kRows = 256;
  static constexpr int kTopMargin = 10;

  using Switches = MemoryViewColumns;
  enum class Column { Address, Hex, Decimal, Ascii, Binary, Disassembly };
  // The texts of the first five columns of a row.
  struct RowTexts {
    QString address, hex, decimal, ascii, binary;
  };

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

  RowTexts TextsOf(uint16_t address) const;
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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct RowColours {
    QColor text;
    QColor background;
  };

  void CreatePopupMenu();
  void UpdateScrollRange();
  void UpdateRow(uint16_t address);
  void DrawRow(QPainter& painter, uint16_t address, bool withDisassembly, bool visible,
               const RowColours& colours);
  void DrawPcMark(QPainter& painter, uint16_t address);
  void FlushWrittenWords();

  // Rows left to the instruction disassembled last, shared by all views.
  static inline int disassemblySkip_ = 0;

  ProcessorHost& host_;
  int slot_;
  uint16_t pageBase_;
  Switches switches_;
  int rowHeight_ = 12;
  ZoomLevel zoom_;
  std::optional<uint16_t> accessMark_;
  std::optional<uint16_t> pcMark_;
  std::array<QString, kRows> disassembly_;
  std::bitset<kRows> writtenRows_;
  uint16_t lastWritten_ = 0;
  bool flushQueued_ = false;
  bool placed_ = false;  // the frame has taken the slot's bounds
  QMenu* popupMenu_ = nullptr;
};

}  // namespace tav2
