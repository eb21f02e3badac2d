#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures stored in table fields, decoded within limits: a picture larger
// than the catalogue's figures would take hundreds of megabytes to decode.
namespace pictures {

// The largest side, in pixels, of a picture a table may hold.
inline constexpr int kLargestSide = 2048;

// Decodes bytes of a stored picture. Throws std::runtime_error naming
// `where` (table, row and field) when the picture is larger than
// kLargestSide each way or cannot be decoded.
QImage decode(const QByteArray &bytes, const QString &where);

} // namespace pictures
