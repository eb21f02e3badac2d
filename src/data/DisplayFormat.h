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

// The decimals that show v with at least three significant digits: the
// format's decimals, plus as many more as the rounded value needs (at most
// six in all). Zero, and a value that would round to zero even then, keep
// the format's decimals.
int significantDecimals(double v, int formatDecimals);

// The decimal separator of the system's locale.
QChar systemDecimalPoint();

// A cell as grids, sheets, catalogues and the exported tables show it: a
// dimension with its field's display format, any other float with at least
// three significant digits (significantDecimals), a text as stored, an empty
// or non-finite value blank.
QString cell(const QVariant &value, const FieldDecl &field, QChar decimalPoint);

// A float in its shortest round-trip form with a full stop; blank when empty
// or not finite.
QString shortest(const QVariant &value);

} // namespace display
