#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's artwork, rendered from its SVG sources.
namespace art {

// The picture name.svg at the given size (its own size when size is empty);
// a null pixmap when there is no such picture.
QPixmap pixmap(const QString &name, QSize size = {});
// The resource path of name.svg (":/art/name.svg"), for those who draw the
// SVG themselves (reports draw it as vectors at printer resolution).
QString resourcePath(const QString &name);
// The size the picture declares.
QSize naturalSize(const QString &name);
// The program's icon (tolmo.svg) at the sizes title bars, task bars and
// window lists ask for.
QIcon programIcon();

} // namespace art
