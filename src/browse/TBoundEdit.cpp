#include "browse/TBoundEdit.h"

#include "data/DisplayFormat.h"

#include <QApplication>
#include <QFocusEvent>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace {

// A decimal separator as the user may type it: the full stop, the comma, or
// the program's own separator. Bounds have no thousands, so neither mark can
// be a group separator here.
bool isSeparator(QChar c) { return c == u'.' || c == u',' || c == display::systemDecimalPoint(); }

// Keeps the text of a bound box readable as a number at every keystroke and
// paste. A typed '.' or ',' becomes the program's decimal separator, so
// "12,5" and "12.5" both read 12.5 in either language.
class BoundValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        const QChar point = display::systemDecimalPoint();
        for (QChar &c : input) {
            if (isSeparator(c))
                c = point;
        }
        double v = 0;
        return TBoundEdit::readText(input, &v) ? Acceptable : Invalid;
    }
};

bool allDigits(QStringView s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// v with two decimals and the program's decimal separator, ASCII digits and
// no group separator.
QString withPoint(QString s) { return s.replace(u'.', display::systemDecimalPoint()); }

} // namespace

TBoundEdit::TBoundEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new BoundValidator(this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The line edit refuses what the validator calls invalid and tells us so;
    // the user hears it.
    connect(this, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });
    showValue(0, false);
}

void TBoundEdit::setMaximum(double maximum)
{
    m_maximum = std::max(0.0, maximum);
    double v = 0;
    if (readText(text(), &v) && v > m_maximum)
        showValue(m_maximum, hasFocus());
}

double TBoundEdit::value() const
{
    double v = 0;
    return readText(text(), &v) ? clamped(v) : 0.0;
}

void TBoundEdit::setValue(double v) { showValue(clamped(v), hasFocus()); }

QString TBoundEdit::displayText(double v)
{
    // Formatted by hand rather than by QLocale::toString so that the digits
    // stay ASCII and no group separator creeps in.
    return withPoint(QString::number(v, 'f', 2));
}

QString TBoundEdit::editText(double v)
{
    QString s = QString::number(v, 'f', 2);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    if (s == u"0")
        return {};
    return withPoint(s);
}

bool TBoundEdit::readText(const QString &text, double *v)
{
    const auto at = std::find_if(text.begin(), text.end(), isSeparator);
    const qsizetype split = at == text.end() ? -1 : qsizetype(at - text.begin());
    const QStringView whole = split < 0 ? QStringView(text) : QStringView(text).left(split);
    const QStringView fraction = split < 0 ? QStringView() : QStringView(text).mid(split + 1);
    if (fraction.size() > 2 || !allDigits(whole) || !allDigits(fraction))
        return false;
    const QString plain = (whole.isEmpty() ? QStringLiteral("0") : whole.toString()) + u'.' +
                          (fraction.isEmpty() ? QStringLiteral("0") : fraction.toString());
    bool ok = false;
    const double d = plain.toDouble(&ok);
    // Only a run of digits too long for a double fails here; it reads as
    // larger than any bound.
    *v = ok ? d : std::numeric_limits<double>::infinity();
    return true;
}

void TBoundEdit::focusInEvent(QFocusEvent *event)
{
    // A popup (the context menu) or a switch of window leaves the edit going
    // on; anything else starts an edit of the value shown.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        showValue(value(), true);
    QLineEdit::focusInEvent(event);
}

void TBoundEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        showValue(value(), false);
}

double TBoundEdit::clamped(double v) const
{
    if (!(v > 0))
        return 0;
    return std::min(v, m_maximum);
}

void TBoundEdit::showValue(double v, bool editing)
{
    setText(editing ? editText(v) : displayText(v));
    // A value wider than the box shows its leading digits rather than its
    // decimals; while editing, the cursor stays at the end for typing.
    if (!editing)
        setCursorPosition(0);
}
