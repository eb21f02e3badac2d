#include "browse/Art.h"

#include <QPainter>
#include <QSvgRenderer>

static void initArtResources() { Q_INIT_RESOURCE(art); }

namespace art {

QString resourcePath(const QString &name)
{
    static const bool initialised = (initArtResources(), true);
    Q_UNUSED(initialised);
    return QStringLiteral(":/art/%1.svg").arg(name);
}

QSize naturalSize(const QString &name)
{
    QSvgRenderer renderer(resourcePath(name));
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QPixmap pixmap(const QString &name, QSize size)
{
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(pixmap(QStringLiteral("tolmo"), QSize(size, size)));
    return icon;
}

} // namespace art
