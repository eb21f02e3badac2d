#include "cad/OutlineFile.h"

#include "i18n/TranslateString.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace cad {

namespace {

constexpr double kDegrees = 180 / 3.14159265358979323846;

[[noreturn]] void cannotWrite(const QString &path)
{
    throw std::runtime_error(
        TranslateString(QStringLiteral("The file %1 could not be written.")).arg(path).toStdString());
}

// Writes bytes through QSaveFile: a temporary file beside the target,
// renamed over it only when every byte is written.
void saveBytes(const QByteArray &bytes, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        cannotWrite(path);
}

// The larger side of the outline's box, which scales texts and dashes.
double sizeOf(const SectionDrawing &d)
{
    const props::Box b = d.outline.bounds();
    return std::max(b.xmax - b.xmin, b.ymax - b.ymin);
}

double textHeight(const SectionDrawing &d) { return std::max(2.5, 0.04 * sizeOf(d)); }

// The length that scales the axes' dash-dot pattern: dash 12, gap 3, dot,
// gap 3 times this.
double dashUnit(const SectionDrawing &d) { return std::max(0.2, sizeOf(d) / 200); }

// Where an axis's name stands: a little beyond each end, along the axis.
std::pair<props::Point, props::Point> labelPlaces(const AxisLine &a, double height)
{
    const double dx = a.to.x - a.from.x, dy = a.to.y - a.from.y;
    const double l = std::hypot(dx, dy);
    const double ux = dx / l * height, uy = dy / l * height;
    return {{a.from.x - ux, a.from.y - uy}, {a.to.x + ux, a.to.y + uy}};
}

// dxflib's group writer, into memory instead of straight into the file, so
// that the file can be written aside and renamed into place. Numbers are
// written in their shortest form that reads back to the same double, with a
// full stop whatever the locale.
class MemoryWriter : public DL_WriterA {
public:
    explicit MemoryWriter(DL_Codes::version version) : DL_WriterA("", version) {}

    const std::string &text() const { return m_text; }

    void dxfReal(int gc, double value) const override
    {
        if (value == 0)
            value = 0; // no "-0"
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        std::string number(buffer, result.ptr);
        if (number.find('.') == std::string::npos)
            number += ".0";
        dxfString(gc, number);
    }
    void dxfInt(int gc, int value) const override { dxfString(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override
    {
        char buffer[16];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, unsigned(value), 16);
        std::string hex(buffer, result.ptr);
        std::transform(hex.begin(), hex.end(), hex.begin(), [](char c) { return char(std::toupper(c)); });
        dxfString(gc, hex);
    }
    void dxfString(int gc, const char *value) const override { dxfString(gc, std::string(value)); }
    void dxfString(int gc, const std::string &value) const override
    {
        // The group code right-aligned in three places, as AutoCAD writes it.
        m_text += gc < 10 ? "  " : gc < 100 ? " " : "";
        m_text += std::to_string(gc);
        m_text += '\n';
        m_text += value;
        m_text += '\n';
    }

private:
    mutable std::string m_text;
};

// Degrees in [0, 360).
double degrees(double radians)
{
    double d = std::fmod(radians * kDegrees, 360.0);
    return d < 0 ? d + 360 : d;
}

QByteArray dxfBytes(const SectionDrawing &drawing)
{
    DL_Dxf dxf;
    MemoryWriter dw(DL_Codes::AC1015);
    const std::string outlineLayer = kOutlineLayer, axesLayer = kAxesLayer;

    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1); // metric
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    // The axes are dash-dot lines: dash 12, gap 3, dot 0, gap 3 (mm, before
    // each line's scale).
    double centre[] = {12, -3, 0, -3};
    dw.tableLinetypes(4);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CENTER", "Center ____ . ____ . ____", 0, 4, 18.0, centre));
    dw.tableEnd();
    dw.tableLayers(3);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", DL_Codes::white, 0, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(outlineLayer, 0), DL_Attributes("", DL_Codes::white, 0, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(axesLayer, 0), DL_Attributes("", DL_Codes::blue, 0, "CENTER", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 1.25, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    for (const char *space : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(space, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, space);
    }
    dw.sectionEnd();

    dw.sectionEntities();
    const DL_Attributes outline(outlineLayer, DL_Codes::bylayer, 0, "BYLAYER", 1.0);
    for (const props::Edge &e : drawing.outline.edges()) {
        if (!e.arc) {
            dxf.writeLine(dw, DL_LineData(e.p0.x, e.p0.y, 0, e.p1.x, e.p1.y, 0), outline);
            continue;
        }
        // DXF arcs turn counter-clockwise from the first angle to the
        // second, through 0 when the second is the smaller.
        const double from = std::min(e.a0, e.a1), to = std::max(e.a0, e.a1);
        dxf.writeArc(dw, DL_ArcData(e.centre.x, e.centre.y, 0, e.radius, degrees(from), degrees(to)), outline);
    }
    const double height = textHeight(drawing);
    const DL_Attributes axes(axesLayer, DL_Codes::bylayer, 0, "BYLAYER", dashUnit(drawing));
    for (const AxisLine &a : drawing.axes) {
        dxf.writeLine(dw, DL_LineData(a.from.x, a.from.y, 0, a.to.x, a.to.y, 0), axes);
        const auto [first, last] = labelPlaces(a, height);
        for (props::Point p : {first, last}) {
            // Centred on its place, middle and centre alignment.
            dxf.writeText(dw,
                          DL_TextData(p.x, p.y, 0, p.x, p.y, 0, height, 1.0, 0, 1, 2, a.name.toStdString(),
                                      "Standard", 0.0),
                          DL_Attributes(axesLayer, DL_Codes::bylayer, 0, "CONTINUOUS", 1.0));
        }
    }
    dw.sectionEnd();

    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return QByteArray::fromStdString(dw.text());
}

// The outline as a path in drawing coordinates (z upwards). Qt turns its
// arcs from 3 o'clock towards 12 o'clock on a y-down page: with y upwards
// that is clockwise, hence the negated angles.
QPainterPath outlinePath(const props::Outline &outline)
{
    QPainterPath path;
    bool first = true;
    for (const props::Edge &e : outline.edges()) {
        if (first) {
            path.moveTo(e.p0.x, e.p0.y);
            first = false;
        }
        if (!e.arc) {
            path.lineTo(e.p1.x, e.p1.y);
            continue;
        }
        const QRectF circle(e.centre.x - e.radius, e.centre.y - e.radius, 2 * e.radius, 2 * e.radius);
        path.arcTo(circle, -e.a0 * kDegrees, -(e.a1 - e.a0) * kDegrees);
    }
    path.closeSubpath();
    return path;
}

void renderSvg(const SectionDrawing &drawing, QSvgGenerator &svg, const QRectF &page)
{
    QPainter painter;
    if (!painter.begin(&svg))
        throw std::runtime_error("no painter on the SVG generator");
    painter.setRenderHint(QPainter::Antialiasing);
    // Page coordinates in mm from the top left; drawing coordinates with
    // the origin at the centroid and z upwards.
    QTransform toPage;
    toPage.translate(-page.left(), page.bottom());
    toPage.scale(1, -1);

    const double size = sizeOf(drawing);
    const double stroke = std::max(0.1, size / 600);
    painter.setTransform(toPage);
    painter.setPen(QPen(QColor(0x1b, 0x2a, 0x3a), stroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(QColor(0xdc, 0xe6, 0xf0));
    painter.drawPath(outlinePath(drawing.outline));

    // The axes dash-dotted as the DXF's CENTER line type, drawn as the
    // dashes themselves so that every viewer shows the same pattern.
    const QColor axisColour(0x2a, 0x6f, 0xb5);
    painter.setPen(QPen(axisColour, stroke * 0.8, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const double unit = dashUnit(drawing);
    const double pattern[] = {12 * unit, 3 * unit, 0.6 * unit, 3 * unit}; // dash, gap, dot, gap
    for (const AxisLine &a : drawing.axes) {
        const double length = std::hypot(a.to.x - a.from.x, a.to.y - a.from.y);
        const double ux = (a.to.x - a.from.x) / length, uy = (a.to.y - a.from.y) / length;
        QPainterPath dashes;
        double t = 0;
        for (int i = 0; t < length; i = (i + 1) % 4) {
            const double end = std::min(length, t + pattern[i]);
            if (i % 2 == 0) {
                dashes.moveTo(a.from.x + ux * t, a.from.y + uy * t);
                dashes.lineTo(a.from.x + ux * end, a.from.y + uy * end);
            }
            t = end;
        }
        painter.drawPath(dashes);
    }

    // The names as filled glyph outlines, upright on the page, centred on
    // their places.
    const double height = textHeight(drawing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(100);
    font.setItalic(true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(axisColour);
    for (const AxisLine &a : drawing.axes) {
        const auto [first, last] = labelPlaces(a, height);
        for (props::Point p : {first, last}) {
            QPainterPath glyphs;
            glyphs.addText(0, 0, font, a.name);
            const QRectF box = glyphs.boundingRect();
            const double scale = height / 100;
            const QPointF at = toPage.map(QPointF(p.x, p.y));
            QTransform place;
            place.translate(at.x(), at.y());
            place.scale(scale, scale);
            place.translate(-box.center().x(), -box.center().y());
            painter.setTransform(place);
            painter.drawPath(glyphs);
        }
    }
    painter.end();
}

QByteArray svgBytes(const SectionDrawing &drawing)
{
    // The page: the drawing with room for the names, in whole millimetres.
    const double room = 2 * textHeight(drawing);
    const props::Box e = drawing.extent;
    const double left = std::floor(e.xmin - room), right = std::ceil(e.xmax + room);
    const double bottom = std::floor(e.ymin - room), top = std::ceil(e.ymax + room);
    const QRectF page(left, bottom, right - left, top - bottom);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    // 10 device units per millimetre: the generator writes the size in mm,
    // and the view box makes one user unit one millimetre.
    svg.setResolution(254);
    svg.setSize(QSize(int(page.width() * 10), int(page.height() * 10)));
    svg.setViewBox(QRectF(0, 0, page.width(), page.height()));
    svg.setTitle(drawing.designation);
    svg.setDescription(QStringLiteral("%1: outline at 1:1 in millimetres, origin at the centroid").arg(drawing.designation));
    renderSvg(drawing, svg, page);
    return bytes;
}

} // namespace

std::optional<OutlineFormat> formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(u"dxf", Qt::CaseInsensitive) == 0)
        return OutlineFormat::Dxf;
    if (suffix.compare(u"svg", Qt::CaseInsensitive) == 0)
        return OutlineFormat::Svg;
    return std::nullopt;
}

void writeDxf(const SectionDrawing &drawing, const QString &path) { saveBytes(dxfBytes(drawing), path); }

void writeSvg(const SectionDrawing &drawing, const QString &path) { saveBytes(svgBytes(drawing), path); }

void writeOutlineFile(const SectionDrawing &drawing, const QString &path)
{
    const std::optional<OutlineFormat> format = formatOf(path);
    if (!format) {
        throw std::runtime_error(
            TranslateString(QStringLiteral("%1 is neither a DXF nor an SVG file name.")).arg(path).toStdString());
    }
    if (*format == OutlineFormat::Dxf)
        writeDxf(drawing, path);
    else
        writeSvg(drawing, path);
}

} // namespace cad
