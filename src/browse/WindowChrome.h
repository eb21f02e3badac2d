#pragma once

#include <QIcon>
#include <QString>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPainterPath;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
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
// The smallest a section or steel window may be made: the left column
// scrolls and the grid keeps a few columns and rows, so that eight windows
// tiled on a 1600 x 1000 desktop each fit their tile.
inline constexpr int kSmallestWidth = 460;
inline constexpr int kSmallestHeight = 220;
// The left column of a window in a scroll area of its own: a window shorter
// than the column scrolls it, never squeezes it, and the scroll area is as
// wide as the column and, while it shows, the scroll bar.
QScrollArea *scrollingColumn(QWidget *column, QWidget *parent);
// The group box of a window's command buttons, a column of buttons with
// the language logo beside it.
class ButtonBox {
public:
    explicit ButtonBox(QWidget *parent);
    QGroupBox *box() const { return m_box; }
    // A button at the foot of the column; hint nullptr: no tooltip.
    QPushButton *add(const char *name, const char *caption, const char *hint = nullptr);
    // Ends the column (stretch: the buttons keep to the top of the box) and
    // puts the logo beside it.
    QLabel *finish(bool stretch);

private:
    QGroupBox *m_box;
    QHBoxLayout *m_row;
    QVBoxLayout *m_buttons;
};

// A 16 x 16 glyph: the shape filled in the dark grey of the arrows.
QIcon glyph(const QPainterPath &shape);

// Centres a dialog about to be shown on the work area of its parent's
// screen (the primary screen without a parent). The client area is centred:
// the frame is not known before the window manager has framed the window.
// Placing the dialog itself also keeps Qt from centring it over a parent
// whose own geometry may not be final yet (the main window at start-up).
void centreOnScreen(QWidget *dialog);

} // namespace chrome
