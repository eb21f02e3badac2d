#pragma once

#include <QIcon>
#include <QString>

class QLabel;
class QPainterPath;
class QWidget;

// What the section windows and the steel window carry alike around their
// grids: the record counter strip, closing through the MDI frame, telling
// the main window of a close, and the arrow glyphs of navigators and sheets.
namespace chrome {

// The sunken strip that shows the record counter, tinted as a hint.
QLabel *counterStrip(QWidget *parent, const char *name);
// "Record n" in the current language.
QString recordCounter(int recNo);
// Closes a child window through its MDI frame when it has one.
void closeWindow(QWidget *window);
// A child window is closing: the main window forgets it, and the window
// commands stay enabled while another child is left.
void childClosing(QWidget *window);
// A 16 x 16 glyph: the shape filled in the dark grey of the arrows.
QIcon glyph(const QPainterPath &shape);

} // namespace chrome
