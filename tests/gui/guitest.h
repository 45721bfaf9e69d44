#pragma once
// Input and waiting for the GUI tests: real mouse and key events, and
// waiting for a run to end without a timed assertion.
#include <QColor>
#include <QString>

class QAbstractButton;
class QWidget;

namespace tav2 {
class TTAV2;
}

namespace tav2::test {

void Press(QAbstractButton* button);
void Release(QAbstractButton* button);
void Click(QAbstractButton* button);
// A key press and release, sent at once or posted to the event queue.
void SendKey(QWidget* widget, int key, const QString& text);
void PostKey(QWidget* widget, int key, const QString& text);
// Types text into a focused edit, one key per character.
void Type(QWidget* widget, const QString& text);
// Processes events until the window's Go run has ended (at most a minute).
bool WaitForGoEnd(TTAV2& window);
// Delivers posted events and deletes closed windows.
void ProcessEvents();

// The background of a field, the way the processor window colours it.
QColor Background(const QWidget* widget);

}  // namespace tav2::test
