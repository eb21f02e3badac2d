#pragma once

#include "data/FieldDecl.h"

#include <QChar>
#include <QString>
#include <QVariant>

// The one place where numbers become display text.
namespace display {

// v in fixed-point notation with the given decimals: rounded to the nearest,
// ties away from zero, decimalPoint as separator, never a thousands separator.
// A value that is not finite gives an empty text.
QString fixed(double v, int decimals, QChar decimalPoint);

// The decimal separator of the system's locale.
QChar systemDecimalPoint();

// A cell as grids, sheets and reports show it: a float with the field's
// display format, a text as stored, an empty or non-finite value blank.
QString cell(const QVariant &value, const FieldDecl &field, QChar decimalPoint);

// A float in its shortest round-trip form with a full stop; blank when empty
// or not finite.
QString shortest(const QVariant &value);

} // namespace display
