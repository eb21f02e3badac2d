#pragma once

#include "ToleranceSource.h"

#include <QByteArray>
#include <QImage>

// The figure of one tolerance item in one language: on the left a sketch of
// the section (or of the piece seen from the side) with the dimension or
// deviation the item is about, on the right the table of permitted
// deviations by size range and its notes. Drawn on white for the tolerance
// tab, whose figure area is about 560 x 330 pixels.
inline constexpr int kFigureWidth = 560;
inline constexpr int kFigureHeight = 330;

// shape: he, ipe, ipn, upn or angle. Throws std::runtime_error for a sketch
// the shape has no drawing for.
QImage toleranceFigure(const ToleranceItem &item, const QString &shape, const QString &language);

// The figure as PNG bytes.
QByteArray toleranceFigurePng(const ToleranceItem &item, const QString &shape, const QString &language);
