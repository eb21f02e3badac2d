#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class QPainter;
class QSvgRenderer;

// A picture a report prints: a raster image or an SVG drawing. SVG is drawn
// as vectors at whatever resolution the painter has, so drawings stay sharp
// on paper; a raster is scaled smoothly. Copies share the picture.
class PrintPicture {
public:
    PrintPicture() = default;
    // Raster data in any format Qt reads, or SVG text; an empty or
    // unreadable picture is null.
    static PrintPicture fromData(const QByteArray &data);
    // A file or resource (":/art/logo-en.svg"); SVG by its suffix.
    static PrintPicture fromFile(const QString &path);
    static PrintPicture fromImage(const QImage &image);

    bool isNull() const { return m_image.isNull() && !m_svg; }
    bool isSvg() const { return bool(m_svg); }
    // The size the picture declares: an SVG's width and height as CSS pixels
    // (96 per inch), a raster's pixels at its own resolution (96 per inch
    // when it records none). Empty for a null picture.
    QSizeF naturalSize_mm() const;
    // The largest rectangle of the picture's aspect ratio inside box,
    // centred in it.
    QRectF fitted(const QRectF &box) const;

    // Draws the picture filling target (device coordinates).
    void paint(QPainter &painter, const QRectF &target) const;

    // Two handles on the same picture.
    bool sameAs(const PrintPicture &other) const { return m_svg == other.m_svg && m_image.cacheKey() == other.m_image.cacheKey(); }

private:
    QImage m_image;
    std::shared_ptr<QSvgRenderer> m_svg;
};
