#include "data/Plausibility.h"

#include "data/Record.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

namespace plausible {

namespace {

// No rolled section measures more than this; a larger figure is a damaged
// or mistyped value, not a section.
constexpr double kLargestMillimetres = 5000;
// Stored properties in cm, cm2 ... cm6: far above any rolled size.
constexpr double kLargestProperty = 1e12;

QString number(double v) { return QString::number(v, 'g', 6); }

// The problem of one stored number, or an empty text.
QString checkValue(const Record &row, const char *name, bool mayBeZero, double largest, const char *unit)
{
    if (row.isNull(name))
        return QStringLiteral("the field \"%1\" is empty").arg(QLatin1String(name));
    const double v = row.asFloat(name);
    const QString holds = QStringLiteral("the field \"%1\" holds %2").arg(QLatin1String(name), number(v));
    if (!std::isfinite(v))
        return holds + QStringLiteral(", which is not a number");
    if (v < 0 || (v == 0 && !mayBeZero))
        return holds + (mayBeZero ? QStringLiteral("; it cannot be negative") : QStringLiteral("; it must be positive"));
    if (v > largest)
        return holds + QStringLiteral("; no rolled section has one above %1%2")
                           .arg(number(largest), *unit ? QStringLiteral(" ") + QLatin1String(unit) : QString());
    return {};
}

QString dimensions(const Record &row, std::initializer_list<const char *> positive,
                   std::initializer_list<const char *> radii)
{
    for (const char *name : positive) {
        if (QString p = checkValue(row, name, false, kLargestMillimetres, "mm"); !p.isEmpty())
            return p;
    }
    for (const char *name : radii) {
        if (QString p = checkValue(row, name, true, kLargestMillimetres, "mm"); !p.isEmpty())
            return p;
    }
    return {};
}

// "a (text) must be less than b (text)" when a >= b.
QString lessThan(double a, const char *aText, double b, const char *bText)
{
    if (a < b)
        return {};
    return QStringLiteral("%1 (%2) must be less than %3 (%4)")
        .arg(QLatin1String(aText), number(a), QLatin1String(bText), number(b));
}

} // namespace

QString iLamPar(const Record &row)
{
    if (QString p = dimensions(row, {"h", "b", "tw", "tf"}, {"R"}); !p.isEmpty())
        return p;
    const double h = row.asFloat("h"), b = row.asFloat("b"), tw = row.asFloat("tw"), tf = row.asFloat("tf"),
                 r = row.asFloat("R");
    for (const QString &p : {lessThan(2 * tf, "twice the flange thickness tf", h, "the height h"),
                             lessThan(tw + 2 * r, "the web and its root radii, tw + 2 r", b, "the width b"),
                             lessThan(2 * (tf + r), "the flanges and root radii, 2 (tf + r)", h, "the height h")}) {
        if (!p.isEmpty())
            return p;
    }
    return {};
}

QString tapered(const Record &row)
{
    if (QString p = dimensions(row, {"H", "B", "Tw", "Tf", "D"}, {"R1", "R2"}); !p.isEmpty())
        return p;
    const double h = row.asFloat("H"), b = row.asFloat("B"), tw = row.asFloat("Tw"), tf = row.asFloat("Tf"),
                 d = row.asFloat("D");
    for (const QString &p : {lessThan(2 * tf, "twice the flange thickness tf", h, "the height h"),
                             lessThan(tw, "the web thickness tw", b, "the width b"),
                             lessThan(d, "the straight web d", h - 2 * tf, "the height between the flanges")}) {
        if (!p.isEmpty())
            return p;
    }
    // A channel's centroid lies within its flange width (ys in cm, b in mm).
    if (row.declaration().indexOf("ys") >= 0 && !row.isNull("ys")) {
        if (QString p = lessThan(row.asFloat("ys") * 10, "the centroid ys, in mm", b, "the width b"); !p.isEmpty())
            return p;
    }
    // The stored properties: every other stored number.
    const TableDecl &decl = row.declaration();
    for (const FieldDecl &f : decl.fields) {
        if (!f.isStored() || f.type != FieldType::Float)
            continue;
        bool dimension = false;
        for (const char *name : {"H", "B", "Tw", "Tf", "D", "R1", "R2"})
            dimension = dimension || std::strcmp(f.name, name) == 0;
        if (dimension)
            continue;
        if (QString p = checkValue(row, f.name, false, kLargestProperty, ""); !p.isEmpty())
            return p;
    }
    return {};
}

QString angle(const Record &row)
{
    if (QString p = dimensions(row, {"H", "T"}, {"R1", "R2"}); !p.isEmpty())
        return p;
    const double h = row.asFloat("H"), t = row.asFloat("T"), r1 = row.asFloat("R1");
    return lessThan(t + r1, "the thickness and root radius, t + r1", h, "the leg h");
}

} // namespace plausible
