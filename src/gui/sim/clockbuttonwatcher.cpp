#include "gui/sim/clockbuttonwatcher.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tav2 {

namespace {

bool IsLeftButton(const QEvent* event) {
  return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

bool IsSpaceKey(const QEvent* event) {
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_Space && !key->isAutoRepeat();
}

}  // namespace

ClockButtonWatcher::ClockButtonWatcher(QAbstractButton* button, std::function<void()> press,
                                       std::function<void()> release)
    : QObject(button), press_(std::move(press)), release_(std::move(release)) {
  button->installEventFilter(this);
}

bool ClockButtonWatcher::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (IsLeftButton(event)) Press();
      break;
    case QEvent::MouseButtonRelease:
      if (IsLeftButton(event)) Release();
      break;
    case QEvent::KeyPress:
      if (IsSpaceKey(event)) Press();
      break;
    case QEvent::KeyRelease:
      if (IsSpaceKey(event)) Release();
      break;
    default: break;
  }
  return false;
}

void ClockButtonWatcher::Press() {
  held_ = true;
  press_();
}

void ClockButtonWatcher::Release() {
  if (!held_) return;
  held_ = false;
  release_();
}

}  // namespace tav2
