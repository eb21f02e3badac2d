#pragma once

#include <QString>
#include <QTest>

#include <cmath>

// Compares a computed value with a figure written to a given number of
// digits: it must agree to within half a unit of the figure's last digit.
inline bool agreesToDigits(double actual, const QString &figure)
{
    const int dot = figure.indexOf(u'.');
    const int decimals = dot < 0 ? 0 : int(figure.size() - dot - 1);
    const double expected = figure.toDouble();
    return std::fabs(actual - expected) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
}

#define QCOMPARE_DIGITS(actual, figure)                                                                           \
    do {                                                                                                          \
        const double actual_ = (actual);                                                                          \
        if (!agreesToDigits(actual_, QStringLiteral(figure)))                                                     \
            QFAIL(qPrintable(QStringLiteral("%1 = %2, expected %3").arg(#actual).arg(actual_, 0, 'g', 12).arg(figure))); \
    } while (false)
