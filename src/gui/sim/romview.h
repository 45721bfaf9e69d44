#pragma once
#include <QWidget>

#include "core/shell/zoomlevel.h"

class QPlainTextEdit;

namespace tav2 {

class ProcessorHost;

// The micro-code ROM view: the named entries with their micro-instructions
// in binary and as text, between two header blocks that label the binary
// columns and scroll sideways with them. A snapshot of the ROM when the
// view is created.
class RomView : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "Microcode ROM - Sequence contents";

  explicit RomView(ProcessorHost& host, QWidget* parent = nullptr);

  static constexpr int kWidth = 600;  // the size at 100 %
  static constexpr int kHeight = 450;

  QSize sizeHint() const override;
  // Letters at the zoom level; a shown view's frame grows or shrinks with it.
  void SetZoom(const ZoomLevel& zoom);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* AddPane(const QString& name, const QColor& background,
                          const std::vector<std::string>& lines);
  // Every sideways scroll, of the listing or of a header, moves all three
  // panes to the listing's position.
  void HeaderScrolled(int value);
  void AlignHeaders();
  void FitHeaders();

  ProcessorHost& host_;
  QPlainTextEdit* up_ = nullptr;
  QPlainTextEdit* listing_ = nullptr;
  QPlainTextEdit* under_ = nullptr;
  ZoomLevel zoom_;
};

}  // namespace tav2
