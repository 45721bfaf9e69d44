#include "guitest.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <map>

#include "gui/sim/processorwindow.h"

namespace tav2::test {

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPointF point) {
  QMouseEvent event(type, point, widget->mapToGlobal(point), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

// Near the left end, where a check box has its indicator.
QPointF ButtonPoint(const QAbstractButton* button) {
  return QPointF(std::min(8, button->width() / 2), button->height() / 2);
}

// Calls `visit` with each pixel of `area` inside the image until it returns true.
template <class Visit>
bool AnyPixel(const QImage& image, const QRect& area, Visit visit) {
  const QRect clipped = area.intersected(image.rect());
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      if (visit(image.pixelColor(x, y))) return true;
    }
  }
  return false;
}

}  // namespace

void Press(QAbstractButton* button) { SendMouse(button, QEvent::MouseButtonPress, ButtonPoint(button)); }

void Release(QAbstractButton* button) { SendMouse(button, QEvent::MouseButtonRelease, ButtonPoint(button)); }

void Click(QAbstractButton* button) {
  Press(button);
  Release(button);
}

void ClickAt(QWidget* widget) { SendMouse(widget, QEvent::MouseButtonPress, QPointF(2, 2)); }

void Wheel(QWidget* widget, QPoint angleDelta) {
  const QPointF point = QRectF(widget->rect()).center();
  QWheelEvent event(point, widget->mapToGlobal(point), QPoint(), angleDelta, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget, &event);
}

void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &release);
}

void PostKey(QWidget* widget, int key, const QString& text) {
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

void TypeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch == QLatin1Char('\n')) {
      PressKey(widget, Qt::Key_Return, {}, QStringLiteral("\r"));
    } else if (ch == QLatin1Char('\t')) {
      PressKey(widget, Qt::Key_Tab, {}, QStringLiteral("\t"));
    } else {
      PressKey(widget, ch.toUpper().unicode(), {}, QString(ch));
    }
  }
}

bool WaitForGoEnd(ProcessorWindow& window) {
  if (window.Running()) {
    QEventLoop loop;
    QObject::connect(&window, &ProcessorWindow::goEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return !window.Running();
}

void DuringGo(std::function<void()> action) { QTimer::singleShot(1, action); }

bool WaitUntil(const std::function<bool()>& done) {
  if (!done()) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (done()) loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return done();
}

void ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QColor Background(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

QImage Grabbed(QWidget* widget) { return widget->grab().toImage(); }

QColor ColourAt(QWidget* widget, QPoint point) { return Grabbed(widget).pixelColor(point); }

QColor MainColour(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  AnyPixel(image, area, [&counts](const QColor& colour) {
    ++counts[colour.rgb()];
    return false;
  });
  if (counts.empty()) return {};
  const auto most = std::max_element(counts.begin(), counts.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
  return QColor::fromRgb(most->first);
}

bool HasColour(const QImage& image, const QRect& area, const QColor& colour) {
  return AnyPixel(image, area, [&colour](const QColor& pixel) { return pixel.rgb() == colour.rgb(); });
}

bool Inked(const QImage& image, const QRect& area) {
  return AnyPixel(image, area, [](const QColor& pixel) { return pixel.lightness() < 128; });
}

void PlaceCaret(QPlainTextEdit* edit, int position, int selectionLength) {
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(position);
  cursor.setPosition(position + selectionLength, QTextCursor::KeepAnchor);
  edit->setTextCursor(cursor);
}

int Caret(const QPlainTextEdit* edit) { return edit->textCursor().position(); }

Look LookAt(const QTextDocument& document, int position) {
  const QTextBlock block = document.findBlock(position);
  const int inBlock = position - block.position();
  QTextCharFormat format;
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    if (inBlock >= range.start && inBlock < range.start + range.length) {
      format = range.format;
      break;
    }
  }
  const QString colour =
      format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color().name() : "";
  return Look{colour, format.fontWeight() == QFont::Bold, format.fontItalic()};
}

std::ostream& operator<<(std::ostream& out, const Look& look) {
  return out << "{" << look.colour.toStdString() << (look.bold ? " bold" : "")
             << (look.italic ? " italic" : "") << "}";
}

}  // namespace tav2::test
