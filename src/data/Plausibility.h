#pragma once

#include <QString>

class Record;

// The plausibility checks of the section tables: every stored dimension is
// a finite, positive number of a size a rolled section can have (radii may
// be 0), the dimensions fit together, and the stored properties of IPN and
// UPN are finite and positive. Each answers the first problem of a row, or
// an empty text. A plausible row never makes the property computations
// divide by zero.
namespace plausible {

QString iLamPar(const Record &row);  // HE, IPE
QString tapered(const Record &row);  // IPN, UPN
QString angle(const Record &row);    // equal-leg angles

} // namespace plausible
