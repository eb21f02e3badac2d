#include "data/DisplayFormat.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace display {

QString fixed(double v, int decimals, QChar decimalPoint)
{
    if (!std::isfinite(v))
        return {};
    decimals = std::clamp(decimals, 0, 6);
    long double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    // The product is exact in long double for up to three decimals, so a tie
    // is rounded on the value the double really holds.
    const long double scaled = std::roundl(static_cast<long double>(v) * scale);
    if (std::fabs(scaled) >= 9.0e18L)
        return QString::number(v, 'f', decimals).replace(u'.', decimalPoint);
    const long long n = static_cast<long long>(scaled);
    QString digits = QString::number(n < 0 ? -n : n);
    if (decimals > 0) {
        if (digits.size() <= decimals)
            digits.prepend(QString(decimals - digits.size() + 1, u'0'));
        digits.insert(digits.size() - decimals, decimalPoint);
    }
    if (n < 0)
        digits.prepend(u'-');
    return digits;
}

int significantDecimals(double v, int formatDecimals)
{
    constexpr int kMost = 6;
    int decimals = std::clamp(formatDecimals, 0, kMost);
    if (!std::isfinite(v) || v == 0)
        return decimals;
    // Rounded as fixed() rounds: three significant digits are a rounded
    // magnitude of at least 100 units of the last decimal.
    const long double magnitude = std::fabs(static_cast<long double>(v));
    long double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    int more = decimals;
    while (std::roundl(magnitude * scale) < 100 && more < kMost) {
        scale *= 10;
        ++more;
    }
    return std::roundl(magnitude * scale) == 0 ? decimals : more;
}

QChar systemDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}

QString cell(const QVariant &value, const FieldDecl &field, QChar decimalPoint)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (field.type) {
    case FieldType::Float: {
        const double v = value.toDouble();
        const int decimals = field.decimals() < 0 ? 2 : field.decimals();
        return fixed(v, field.isDimension() ? decimals : significantDecimals(v, decimals), decimalPoint);
    }
    case FieldType::Text:
        return value.toString();
    case FieldType::Logical:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Graphic:
        return {};
    }
    return {};
}

QString shortest(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    const double v = value.toDouble();
    if (!std::isfinite(v))
        return {};
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

} // namespace display
