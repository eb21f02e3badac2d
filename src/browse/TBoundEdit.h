#pragma once

#include <QLineEdit>

#include <limits>

// The numeric entry of a search bound: one non-negative value from 0 up to a
// largest bound, typed with at most two decimals after a full stop or a comma
// and shown with the program's decimal separator. Out-of-range values are
// brought into range silently; keystrokes and pastes that would not leave a
// number are refused with a beep.
class TBoundEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TBoundEdit(QWidget *parent = nullptr);

    // The largest value the box holds (no limit until set); the smallest is
    // always 0. Changing it brings the current value into the new range.
    void setMaximum(double maximum);
    double maximum() const { return m_maximum; }

    // The value the text reads as, brought into range; an empty box reads 0.
    double value() const;
    // Puts v, brought into range, into the box and shows it in the format of
    // the box's current state (display or editing).
    void setValue(double v);

    // How a value shows without the focus: two decimals with the program's
    // decimal separator and no group separators ("0.00").
    static QString displayText(double v);
    // How a value shows while it is edited: at most two decimals, no trailing
    // zeros, and nothing at all for 0.
    static QString editText(double v);
    // Reads a text of the box. False when it is not a non-negative number
    // with at most two decimals after at most one decimal separator (a full
    // stop, a comma or the program's own); an empty text and a lone
    // separator read 0.
    static bool readText(const QString &text, double *v);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    double clamped(double v) const;
    void showValue(double v, bool editing);

    double m_maximum = std::numeric_limits<double>::max();
};
