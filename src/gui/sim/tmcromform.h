#pragma once
#include <QWidget>

class QPlainTextEdit;

namespace tav2 {

class ProcessorHost;

// The micro-code ROM view: the named entries with their micro-instructions
// in binary and as text, between two header blocks that label the binary
// columns. A snapshot of the ROM when the view is created.
class TMCROMform : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "Microcode ROM - Sequence contents";

  explicit TMCROMform(ProcessorHost& host, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {600, 450}; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* AddPane(const QString& name, const QColor& background, const std::vector<std::string>& lines);

  ProcessorHost& host_;
};

}  // namespace tav2
