#pragma once
#include <QWidget>

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

  QSize sizeHint() const override { return {600, 450}; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* AddPane(const QString& name, const QColor& background,
                          const std::vector<std::string>& lines);
  // Every sideways scroll, of the listing or of a header, moves all three
  // panes to the listing's position.
  void HeaderScrolled(int value);
  void AlignHeaders();

  ProcessorHost& host_;
  QPlainTextEdit* up_ = nullptr;
  QPlainTextEdit* listing_ = nullptr;
  QPlainTextEdit* under_ = nullptr;
};

}  // namespace tav2
