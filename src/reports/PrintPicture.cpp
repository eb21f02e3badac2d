#include "reports/PrintPicture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kCssPixelsPerInch = 96.0;

bool looksLikeSvg(const QByteArray &data)
{
    const QByteArray head = data.left(512).trimmed();
    return head.startsWith("<?xml") || head.startsWith("<svg") || head.contains("<svg");
}

} // namespace

PrintPicture PrintPicture::fromData(const QByteArray &data)
{
    PrintPicture p;
    if (data.isEmpty())
        return p;
    if (looksLikeSvg(data)) {
        auto renderer = std::make_shared<QSvgRenderer>(data);
        if (renderer->isValid())
            p.m_svg = std::move(renderer);
        return p;
    }
    p.m_image.loadFromData(data);
    return p;
}

PrintPicture PrintPicture::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromData(file.readAll());
}

PrintPicture PrintPicture::fromImage(const QImage &image)
{
    PrintPicture p;
    p.m_image = image;
    return p;
}

QSizeF PrintPicture::naturalSize_mm() const
{
    if (m_svg) {
        const QSizeF px = m_svg->defaultSize();
        return px * (kMmPerInch / kCssPixelsPerInch);
    }
    if (m_image.isNull())
        return {};
    const double dpmX = m_image.dotsPerMeterX() > 0 ? m_image.dotsPerMeterX() : kCssPixelsPerInch / 0.0254;
    const double dpmY = m_image.dotsPerMeterY() > 0 ? m_image.dotsPerMeterY() : kCssPixelsPerInch / 0.0254;
    return {m_image.width() * 1000.0 / dpmX, m_image.height() * 1000.0 / dpmY};
}

QRectF PrintPicture::fitted(const QRectF &box) const
{
    const QSizeF natural = naturalSize_mm();
    if (natural.isEmpty() || box.isEmpty())
        return {};
    const QSizeF size = natural.scaled(box.size(), Qt::KeepAspectRatio);
    return {box.left() + (box.width() - size.width()) / 2, box.top() + (box.height() - size.height()) / 2,
            size.width(), size.height()};
}

void PrintPicture::paint(QPainter &painter, const QRectF &target) const
{
    if (m_svg) {
        m_svg->render(&painter, target);
        return;
    }
    if (m_image.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
    painter.restore();
}
