#pragma once
#include <QColor>
#include <QLineEdit>

namespace tav2 {

// A read-only field that shows a colour as its background; a click asks for
// another colour (clicked).
class ColourEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit ColourEdit(QWidget* parent = nullptr);

  QColor Colour() const { return colour_; }
  void SetColour(const QColor& colour);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor colour_;
};

}  // namespace tav2
