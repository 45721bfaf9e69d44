#include "guitest.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "gui/sim/ttav2.h"

namespace tav2::test {

namespace {

// Near the left end, where a check box has its indicator.
void SendMouse(QAbstractButton* button, QEvent::Type type) {
  const QPointF point(std::min(8, button->width() / 2), button->height() / 2);
  QMouseEvent event(type, point, button->mapToGlobal(point), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(button, &event);
}

}  // namespace

void Press(QAbstractButton* button) { SendMouse(button, QEvent::MouseButtonPress); }

void Release(QAbstractButton* button) { SendMouse(button, QEvent::MouseButtonRelease); }

void Click(QAbstractButton* button) {
  Press(button);
  Release(button);
}

void SendKey(QWidget* widget, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &release);
}

void PostKey(QWidget* widget, int key, const QString& text) {
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

void Type(QWidget* widget, const QString& text) {
  for (const QChar ch : text) SendKey(widget, ch.toUpper().unicode(), QString(ch));
}

bool WaitForGoEnd(TTAV2& window) {
  if (window.Running()) {
    QEventLoop loop;
    QObject::connect(&window, &TTAV2::GoEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return !window.Running();
}

void ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QColor Background(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

}  // namespace tav2::test
