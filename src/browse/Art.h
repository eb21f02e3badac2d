#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The program's artwork, rendered from its SVG sources.
namespace art {

// The picture name.svg at the given size (its own size when size is empty);
// a null pixmap when there is no such picture.
QPixmap pixmap(const QString &name, QSize size = {});
// The size the picture declares.
QSize naturalSize(const QString &name);

} // namespace art
