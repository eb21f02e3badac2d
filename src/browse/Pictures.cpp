#include "browse/Pictures.h"

#include <QBuffer>
#include <QImageReader>

#include <stdexcept>

namespace pictures {

QImage decode(const QByteArray &bytes, const QString &where)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Twice what the largest picture needs in 32-bit colour, in megabytes.
    reader.setAllocationLimit(2 * kLargestSide * kLargestSide * 4 / (1024 * 1024));
    const QSize size = reader.size();
    if (size.width() > kLargestSide || size.height() > kLargestSide) {
        throw std::runtime_error(QStringLiteral("%1 holds a picture of %2 × %3 pixels; a picture of the catalogue has "
                                                "at most %4 each way")
                                     .arg(where)
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(kLargestSide)
                                     .toStdString());
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw std::runtime_error(
            QStringLiteral("%1 holds no picture that can be shown (%2)").arg(where, reader.errorString()).toStdString());
    }
    return image;
}

} // namespace pictures
