#pragma once

#include <QToolButton>

// A small flat button with a glyph and a hint and no caption, as the sheets'
// arrows are. A class of its own so that translator entries naming
// TSpeedButton reach exactly these buttons.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget *parent = nullptr) : QToolButton(parent)
    {
        setAutoRaise(true);
        setFocusPolicy(Qt::NoFocus);
    }
};
