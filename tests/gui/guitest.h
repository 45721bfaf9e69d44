#pragma once
// Input and read-back for the GUI tests: real mouse and key events, waiting
// for a run to end without a timed assertion, the look the highlighter gave
// a position of a document, and the pixels a widget draws.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QtCore/qnamespace.h>
#include <functional>
#include <ostream>

#include "qtprinters.h"

class QAbstractButton;
class QPlainTextEdit;
class QTextDocument;
class QWidget;

namespace tav2 {
class ProcessorWindow;
}

namespace tav2::test {

void Press(QAbstractButton* button);
void Release(QAbstractButton* button);
void Click(QAbstractButton* button);
// A left-button press near the top left corner of any widget.
void ClickAt(QWidget* widget);
// A turn of the mouse wheel over the middle of a widget (x: sideways).
void Wheel(QWidget* widget, QPoint angleDelta);
// A key press and release, sent at once or posted to the event queue.
void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {});
void PostKey(QWidget* widget, int key, const QString& text);
// Types every character of `text`, one key each ("\n" is Enter, "\t" is Tab).
void TypeText(QWidget* widget, const QString& text);
// Processes events until the window's Go run has ended (at most a minute).
bool WaitForGoEnd(ProcessorWindow& window);
// Runs `action` after the first slice of the run started just before (a
// timer started after Go's own fires after it).
void DuringGo(std::function<void()> action);
// Processes events until `done` holds (at most ten seconds); whether it holds.
bool WaitUntil(const std::function<bool()>& done);
// Delivers posted events and deletes closed windows.
void ProcessEvents();
// The background of a field, the way the processor window colours it.
QColor Background(const QWidget* widget);

// What a widget shows, rendered offscreen; its pixels are in the widget's
// coordinates.
QImage Grabbed(QWidget* widget);
QColor ColourAt(QWidget* widget, QPoint point);
// The colour most pixels of `area` have: a field's background under its text.
QColor MainColour(const QImage& image, const QRect& area);
// Whether some pixel of `area` (clipped to the image) has the colour.
bool HasColour(const QImage& image, const QRect& area, const QColor& colour);
// Whether some pixel of `area` is darker than mid grey: text or a line.
bool Inked(const QImage& image, const QRect& area);

void PlaceCaret(QPlainTextEdit* edit, int position, int selectionLength = 0);
int Caret(const QPlainTextEdit* edit);

// Colour (as #rrggbb, "" when none is set), bold and italic of a position.
struct Look {
  QString colour;
  bool bold = false;
  bool italic = false;

  bool operator==(const Look&) const = default;
};

Look LookAt(const QTextDocument& document, int position);
std::ostream& operator<<(std::ostream& out, const Look& look);

}  // namespace tav2::test
