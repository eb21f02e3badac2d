#include "ToleranceFigure.h"

#include "props/Outline.h"
#include "props/Sections.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <cmath>
#include <stdexcept>

namespace {

const QColor kSteelFill(0xd5, 0xdb, 0xe3);
const QColor kSteelLine(0x1e, 0x2b, 0x3a);
const QColor kDimension(0x0d, 0x4a, 0x8f);
const QColor kTableHead(0xe4, 0xea, 0xf1);
const QColor kTableLine(0x7f, 0x8c, 0x99);
const QColor kText(0x1a, 0x1a, 0x1a);

const QRectF kSketchBox(8, 8, 222, 314);
constexpr double kTableLeft = 242;
constexpr double kTableRight = 552;
constexpr double kTableTop = 18;

QFont font(double pixels, bool bold = false, bool italic = false)
{
    // "Arial" is what the catalogue's layouts name; fontconfig maps it to
    // the metric-compatible Liberation Sans.
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(int(std::lround(pixels)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Spanish figures write decimal commas.
QString localized(const QString &text, const QString &language)
{
    if (language != u"ES")
        return text;
    static const QRegularExpression decimal(QStringLiteral("(\\d)\\.(\\d)"));
    QString t = text;
    t.replace(decimal, QStringLiteral("\\1,\\2"));
    return t;
}

// ------------------------------------------------------------------ sketch

// Draws in a box with section coordinates in mm (y up) mapped to pixels.
class Sketch {
public:
    Sketch(QPainter &p, const QRectF &box) : m_p(p), m_box(box) {}

    // Fits the rectangle [x0, x1] x [y0, y1] (mm) in the box, leaving the
    // given pixel margins free for dimensions.
    void fit(double x0, double x1, double y0, double y1, double left, double right, double top, double bottom)
    {
        const double w = m_box.width() - left - right, h = m_box.height() - top - bottom;
        m_scale = std::min(w / (x1 - x0), h / (y1 - y0));
        const double usedW = (x1 - x0) * m_scale, usedH = (y1 - y0) * m_scale;
        m_ox = m_box.left() + left + (w - usedW) / 2 - x0 * m_scale;
        m_oy = m_box.top() + top + (h - usedH) / 2 + y1 * m_scale;
    }
    QPointF at(double x, double y) const { return {m_ox + x * m_scale, m_oy - y * m_scale}; }
    double scale() const { return m_scale; }

    QPainterPath path(const props::Outline &outline) const
    {
        QPainterPath path;
        bool first = true;
        for (const props::Edge &e : outline.edges()) {
            if (first) {
                path.moveTo(at(e.p0.x, e.p0.y));
                first = false;
            }
            if (!e.arc) {
                path.lineTo(at(e.p1.x, e.p1.y));
                continue;
            }
            const int steps = std::max(4, int(std::ceil(std::fabs(e.a1 - e.a0) / 0.05)));
            for (int k = 1; k <= steps; ++k) {
                const double a = e.a0 + (e.a1 - e.a0) * k / steps;
                path.lineTo(at(e.centre.x + e.radius * std::cos(a), e.centre.y + e.radius * std::sin(a)));
            }
        }
        path.closeSubpath();
        return path;
    }

    void steel(const QPainterPath &path)
    {
        m_p.setPen(QPen(kSteelLine, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_p.setBrush(kSteelFill);
        m_p.drawPath(path);
    }
    void steel(const props::Outline &outline) { steel(path(outline)); }
    void steel(const QPolygonF &polygon)
    {
        QPainterPath p;
        p.addPolygon(polygon);
        p.closeSubpath();
        steel(p);
    }

    void centreLine(QPointF a, QPointF b)
    {
        QPen pen(kSteelLine, 0.9, Qt::DashDotLine);
        m_p.setPen(pen);
        m_p.drawLine(a, b);
    }
    void reference(QPointF a, QPointF b)
    {
        m_p.setPen(QPen(kDimension, 1.0, Qt::DashLine));
        m_p.drawLine(a, b);
    }

    void arrowHead(QPointF tip, QPointF from)
    {
        const QPointF d = tip - from;
        const double len = std::hypot(d.x(), d.y());
        if (len <= 0)
            return;
        const QPointF u = d / len, n(-u.y(), u.x());
        const double l = 8, w = 2.8;
        QPolygonF head;
        head << tip << tip - u * l + n * w << tip - u * l - n * w;
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(kDimension);
        m_p.drawPolygon(head);
    }

    void label(QPointF at, const QString &text, Qt::Alignment align = Qt::AlignCenter)
    {
        m_p.setPen(kDimension);
        m_p.setFont(font(15, false, true));
        const QFontMetricsF fm(m_p.font());
        const double w = fm.horizontalAdvance(text) + 2, h = fm.height();
        QRectF r(at.x() - w / 2, at.y() - h / 2, w, h);
        if (align & Qt::AlignLeft)
            r.moveLeft(at.x());
        if (align & Qt::AlignRight)
            r.moveRight(at.x());
        if (align & Qt::AlignTop)
            r.moveTop(at.y());
        if (align & Qt::AlignBottom)
            r.moveBottom(at.y());
        m_p.drawText(r, Qt::AlignCenter, text);
    }

    // A dimension between the pixel points a and b of a feature, drawn
    // offset by `offset` pixels along the unit normal n, with extension
    // lines; arrows inside when there is room, outside otherwise. The label
    // goes beside the middle of the dimension line, or past the second
    // arrow when the arrows are outside.
    void dimension(QPointF a, QPointF b, QPointF n, double offset, const QString &text)
    {
        const QPointF da = a + n * offset, db = b + n * offset;
        m_p.setPen(QPen(kDimension, 0.9));
        if (std::fabs(offset) > 0.5) {
            const double sign = offset > 0 ? 1 : -1;
            m_p.drawLine(a + n * (3 * sign), da + n * (5 * sign));
            m_p.drawLine(b + n * (3 * sign), db + n * (5 * sign));
        }
        line(da, db, n, offset >= 0 ? 1 : -1, text);
    }

    // The dimension line proper between da and db (pixels).
    void line(QPointF da, QPointF db, QPointF n, double side, const QString &text)
    {
        const QPointF d = db - da;
        const double len = std::hypot(d.x(), d.y());
        const QPointF u = d / len;
        m_p.setPen(QPen(kDimension, 1.1));
        if (len >= 26) {
            m_p.drawLine(da, db);
            arrowHead(da, db);
            arrowHead(db, da);
            const bool vertical = std::fabs(u.y()) > std::fabs(u.x());
            const QPointF mid = (da + db) / 2 + n * (side * 4);
            Qt::Alignment align = Qt::AlignCenter;
            if (vertical)
                align = side > 0 ? (n.x() > 0 ? Qt::AlignLeft : Qt::AlignRight) : (n.x() > 0 ? Qt::AlignRight : Qt::AlignLeft);
            else
                align = (n.y() < 0) == (side > 0) ? Qt::AlignBottom : Qt::AlignTop;
            if (!vertical)
                align |= Qt::AlignHCenter;
            else
                align |= Qt::AlignVCenter;
            label(mid, text, align);
        } else {
            const double tail = 16;
            m_p.drawLine(da - u * tail, da);
            m_p.drawLine(db, db + u * tail);
            m_p.drawLine(da, db);
            arrowHead(da, da - u * tail);
            arrowHead(db, db + u * tail);
            const QPointF end = db + u * (tail + 3);
            const bool vertical = std::fabs(u.y()) > std::fabs(u.x());
            Qt::Alignment align;
            if (vertical)
                align = (u.y() > 0 ? Qt::AlignTop : Qt::AlignBottom) | Qt::AlignHCenter;
            else
                align = (u.x() > 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
            label(end, text, align);
        }
    }

    // A leader from a label to a point of the drawing.
    void leader(QPointF from, QPointF to, const QString &text, Qt::Alignment align)
    {
        m_p.setPen(QPen(kDimension, 0.9));
        m_p.drawLine(from, to);
        arrowHead(to, from);
        label(from, text, align);
    }

    QPainter &painter() { return m_p; }

private:
    QPainter &m_p;
    QRectF m_box;
    double m_scale = 1, m_ox = 0, m_oy = 0;
};

const QPointF kRight(1, 0), kLeft(-1, 0), kUp(0, -1), kDown(0, 1);

// The sizes the sketches draw, true to the proportions of a real size.
struct IShape {
    double h, b, tw, tf, r1, r2;
    bool tapered;
};

IShape iShapeOf(const QString &shape)
{
    if (shape == u"he")
        return {300, 300, 11, 19, 27, 0, false};
    if (shape == u"ipe")
        return {300, 150, 7.1, 10.7, 15, 0, false};
    return {300, 125, 10.8, 16.2, 10.8, 6.5, true}; // ipn
}

props::SectionShape iSection(const IShape &s)
{
    return s.tapered ? props::taperedFlangeI(s.h, s.b, s.tw, s.tf, s.r1, s.r2)
                     : props::parallelFlangeI(s.h, s.b, s.tw, s.tf, s.r1);
}

double iFlangeAt(const IShape &s, double x)
{
    return s.tapered ? props::ipnTaper(s.b).thickness(s.tf, x) : s.tf;
}

struct UShape {
    double h = 200, b = 75, tw = 8.5, tf = 11.5, r1 = 11.5, r2 = 6;
};

struct LShape {
    double a = 100, t = 10, r1 = 12, r2 = 6;
};

// A bar seen from the side, for straightness, length and mass.
void sideView(Sketch &k, const QString &sketch)
{
    QPainter &p = k.painter();
    const double x0 = 22, x1 = 212, top = 118, depth = 20;
    if (sketch == u"straightness") {
        // The bar bowed (much exaggerated) over a straight reference.
        const double bow = 26;
        QPainterPath bar;
        bar.moveTo(x0, top + depth);
        bar.quadTo((x0 + x1) / 2, top + depth - 2 * bow, x1, top + depth);
        bar.lineTo(x1, top);
        bar.quadTo((x0 + x1) / 2, top - 2 * bow, x0, top);
        bar.closeSubpath();
        k.steel(bar);
        k.reference({x0 - 6, top + depth}, {x1 + 6, top + depth});
        const double mid = (x0 + x1) / 2;
        k.line({mid, top + depth}, {mid, top + depth - bow}, kLeft, 1, QStringLiteral("q"));
        k.dimension({x0, top + depth}, {x1, top + depth}, kDown, 34, QStringLiteral("L"));
        return;
    }
    QPainterPath bar;
    bar.addRect(QRectF(x0, top, x1 - x0, depth));
    k.steel(bar);
    if (sketch == u"length") {
        k.dimension({x0, top + depth}, {x1, top + depth}, kDown, 30, QStringLiteral("L"));
        return;
    }
    // Mass: one metre of the bar and its mass per metre.
    const double m1 = x0 + 40, m2 = x1 - 40;
    p.setPen(QPen(kDimension, 0.9, Qt::DashLine));
    p.drawLine(QPointF(m1, top - 8), QPointF(m1, top + depth + 8));
    p.drawLine(QPointF(m2, top - 8), QPointF(m2, top + depth + 8));
    k.line({m1, top + depth + 30}, {m2, top + depth + 30}, kDown, 1, QStringLiteral("1 m"));
    k.label({(m1 + m2) / 2, top - 22}, QStringLiteral("M (kg/m)"));
}

void iSketch(Sketch &k, const QString &sketch, const QString &shape)
{
    const IShape s = iShapeOf(shape);
    const double h = s.h, b = s.b;
    if (sketch == u"square" || sketch == u"offcentre") {
        // Schematic sections: straight plates, the deviation exaggerated.
        k.fit(-b / 2, b / 2, -h / 2, h / 2, 30, 30, 34, 58);
        const double tf = std::max(s.tf, 0.07 * h), tw = std::max(s.tw, 0.045 * h);
        const auto plate = [&](double x0, double y0, double x1, double y1) {
            QPolygonF q;
            q << k.at(x0, y0) << k.at(x1, y0) << k.at(x1, y1) << k.at(x0, y1);
            return q;
        };
        if (sketch == u"square") {
            const double tilt = 0.12; // rise of the top flange per unit of x
            const auto tilted = [&](double x, double y) { return k.at(x, y + tilt * x); };
            QPolygonF top;
            top << tilted(-b / 2, h / 2 - tf) << tilted(b / 2, h / 2 - tf) << tilted(b / 2, h / 2) << tilted(-b / 2, h / 2);
            k.centreLine(k.at(0, -h / 2 - 10), k.at(0, h / 2 + 24));
            k.steel(plate(-b / 2, -h / 2, b / 2, -h / 2 + tf));
            k.steel(plate(-tw / 2, -h / 2 + tf, tw / 2, h / 2 - tf));
            k.steel(top);
            // The perpendicular to the web through the flange's outer face.
            k.reference(k.at(-b / 2 - 12, h / 2), k.at(b / 2 + 12, h / 2));
            k.line(k.at(-b / 2, h / 2), tilted(-b / 2, h / 2), kLeft, 1, QStringLiteral("k"));
            k.line(k.at(b / 2, h / 2), tilted(b / 2, h / 2), kRight, 1, QStringLiteral("k'"));
            return;
        }
        const double e = 0.16 * b; // the web moved off the middle
        k.centreLine(k.at(e, -h / 2 - 12), k.at(e, h / 2 + 12));
        k.steel(plate(-b / 2, -h / 2, b / 2, -h / 2 + tf));
        k.steel(plate(-b / 2, h / 2 - tf, b / 2, h / 2));
        k.steel(plate(e - tw / 2, -h / 2 + tf, e + tw / 2, h / 2 - tf));
        k.dimension(k.at(-b / 2, -h / 2), k.at(e, -h / 2), kDown, 16, QStringLiteral("b1"));
        k.dimension(k.at(e, -h / 2), k.at(b / 2, -h / 2), kDown, 16, QStringLiteral("b2"));
        k.dimension(k.at(-b / 2, -h / 2), k.at(b / 2, -h / 2), kDown, 42, QStringLiteral("b"));
        return;
    }
    const props::SectionShape section = iSection(s);
    k.fit(-b / 2, b / 2, -h / 2, h / 2, 24, 46, 40, 24);
    k.steel(section.outline);
    if (sketch == u"height") {
        k.centreLine(k.at(0, -h / 2 - 10), k.at(0, h / 2 + 10));
        k.dimension(k.at(b / 2, -h / 2), k.at(b / 2, h / 2), kRight, 20, QStringLiteral("h"));
    } else if (sketch == u"width") {
        k.dimension(k.at(-b / 2, h / 2), k.at(b / 2, h / 2), kUp, 18, QStringLiteral("b"));
    } else if (sketch == u"web") {
        k.line(k.at(-s.tw / 2, 0), k.at(s.tw / 2, 0), kUp, 1, QStringLiteral("s"));
        k.dimension(k.at(b / 2, 0), k.at(b / 2, h / 2), kRight, 20, QStringLiteral("h/2"));
    } else if (sketch == u"flange") {
        const double x = b / 4, t = iFlangeAt(s, x);
        k.line(k.at(x, h / 2), k.at(x, h / 2 - t), kRight, 1, QStringLiteral("t"));
        k.dimension(k.at(x, h / 2), k.at(b / 2, h / 2), kUp, 18, QStringLiteral("b/4"));
    } else {
        throw std::runtime_error(QStringLiteral("no %1 sketch for I sections").arg(sketch).toStdString());
    }
}

void uSketch(Sketch &k, const QString &sketch)
{
    const UShape s;
    const double h = s.h, b = s.b;
    if (sketch == u"square" || sketch == u"flatness") {
        k.fit(0, b, -h / 2, h / 2, 40, 60, 46, 46);
        const double tf = s.tf * 1.3, tw = s.tw * 1.5;
        if (sketch == u"square") {
            // Both flanges turned away from the perpendicular to the web.
            const double tilt = 0.12;
            const auto topAt = [&](double x, double y) { return k.at(x, y + tilt * x); };
            const auto botAt = [&](double x, double y) { return k.at(x, y + tilt * x); };
            QPolygonF top, bottom, web;
            top << topAt(0, h / 2 - tf) << topAt(b, h / 2 - tf) << topAt(b, h / 2) << topAt(0, h / 2);
            bottom << botAt(0, -h / 2) << botAt(b, -h / 2) << botAt(b, -h / 2 + tf) << botAt(0, -h / 2 + tf);
            web << k.at(0, -h / 2) << k.at(tw, -h / 2) << k.at(tw, h / 2) << k.at(0, h / 2);
            k.steel(web);
            k.steel(top);
            k.steel(bottom);
            k.reference(k.at(0, h / 2), k.at(b + 14, h / 2));
            k.reference(k.at(0, -h / 2), k.at(b + 14, -h / 2));
            k.line(k.at(b, h / 2), topAt(b, h / 2), kRight, 1, QStringLiteral("k"));
            k.line(k.at(b, -h / 2), botAt(b, -h / 2), kRight, 1, QStringLiteral("k1"));
            return;
        }
        // The web bowed across the height.
        const double bow = 0.09 * b;
        QPainterPath shape;
        shape.moveTo(k.at(0, -h / 2));
        shape.lineTo(k.at(b, -h / 2));
        shape.lineTo(k.at(b, -h / 2 + tf));
        shape.lineTo(k.at(tw, -h / 2 + tf));
        shape.quadTo(k.at(tw + 2 * bow, 0), k.at(tw, h / 2 - tf));
        shape.lineTo(k.at(b, h / 2 - tf));
        shape.lineTo(k.at(b, h / 2));
        shape.lineTo(k.at(0, h / 2));
        shape.quadTo(k.at(2 * bow, 0), k.at(0, -h / 2));
        shape.closeSubpath();
        k.steel(shape);
        k.reference(k.at(0, -h / 2 - 8), k.at(0, h / 2 + 8));
        k.line(k.at(0, 0), k.at(bow, 0), kUp, 1, QStringLiteral("f"));
        k.dimension(k.at(b, -h / 2), k.at(b, h / 2), kRight, 18, QStringLiteral("h"));
        return;
    }
    // The heel sketch shows the rounding of the back's outer corners, drawn
    // larger than the 0.3 t the standard allows so that it can be seen.
    const double heel = sketch == u"heel" ? 1.2 * s.tf : 0;
    const props::SectionShape section = props::taperedFlangeChannel(s.h, s.b, s.tw, s.tf, s.r1, s.r2, heel);
    k.fit(0, b, -h / 2, h / 2, 40, 60, 40, 24);
    k.steel(section.outline);
    if (sketch == u"height") {
        k.dimension(k.at(0, -h / 2), k.at(0, h / 2), kLeft, 20, QStringLiteral("h"));
    } else if (sketch == u"width") {
        k.dimension(k.at(0, h / 2), k.at(b, h / 2), kUp, 18, QStringLiteral("b"));
    } else if (sketch == u"web") {
        k.line(k.at(0, 0), k.at(s.tw, 0), kUp, 1, QStringLiteral("s"));
        k.dimension(k.at(b, 0), k.at(b, h / 2), kRight, 20, QStringLiteral("h/2"));
    } else if (sketch == u"flange") {
        const double x = b / 2, t = props::upnTaper(h, b, s.tw).thickness(s.tf, x);
        k.line(k.at(x, h / 2), k.at(x, h / 2 - t), kRight, 1, QStringLiteral("t"));
        k.dimension(k.at(x, h / 2), k.at(b, h / 2), kUp, 18, QStringLiteral("b/2"));
    } else if (sketch == u"heel") {
        const double c = heel * (1 - std::sqrt(0.5)); // the middle of the rounding, from the corner
        k.leader(k.at(-22, h / 2 + 16), k.at(c, h / 2 - c), QStringLiteral("r3"), Qt::AlignRight | Qt::AlignVCenter);
        k.leader(k.at(-22, -h / 2 - 16), k.at(c, -h / 2 + c), QStringLiteral("r3"), Qt::AlignRight | Qt::AlignVCenter);
        const double t = props::upnTaper(h, b, s.tw).thickness(s.tf, b / 2);
        k.line(k.at(b / 2, h / 2), k.at(b / 2, h / 2 - t), kRight, 1, QStringLiteral("t"));
    } else {
        throw std::runtime_error(QStringLiteral("no %1 sketch for channels").arg(sketch).toStdString());
    }
}

void lSketch(Sketch &k, const QString &sketch)
{
    const LShape s;
    const double a = s.a;
    k.fit(0, a, 0, a, 44, 18, 34, 44);
    if (sketch == u"square") {
        // The vertical leg leaning off the perpendicular.
        const double tilt = 0.1, t = s.t * 1.4;
        const auto lean = [&](double x, double y) { return k.at(x + tilt * y, y); };
        QPolygonF horizontal, vertical;
        horizontal << k.at(0, 0) << k.at(a, 0) << k.at(a, t) << k.at(0, t);
        vertical << lean(0, 0) << lean(t, 0) << lean(t, a) << lean(0, a);
        k.steel(horizontal);
        k.steel(vertical);
        k.reference(k.at(0, -8), k.at(0, a + 10));
        k.line(k.at(0, a), lean(0, a), kUp, 1, QStringLiteral("k"));
        return;
    }
    const props::SectionShape section = props::equalLegAngle(s.a, s.t, s.r1, s.r2);
    k.steel(section.outline);
    if (sketch == u"leg") {
        k.dimension(k.at(0, 0), k.at(a, 0), kDown, 18, QStringLiteral("a"));
        k.dimension(k.at(0, 0), k.at(0, a), kLeft, 18, QStringLiteral("a"));
    } else if (sketch == u"thickness") {
        k.line(k.at(0, a * 0.65), k.at(s.t, a * 0.65), kUp, 1, QStringLiteral("t"));
        k.line(k.at(a * 0.65, s.t), k.at(a * 0.65, 0), kRight, 1, QStringLiteral("t"));
    } else {
        throw std::runtime_error(QStringLiteral("no %1 sketch for angles").arg(sketch).toStdString());
    }
}

void drawSketch(QPainter &p, const QString &sketch, const QString &shape)
{
    Sketch k(p, kSketchBox);
    if (sketch == u"straightness" || sketch == u"length" || sketch == u"mass")
        sideView(k, sketch);
    else if (shape == u"upn")
        uSketch(k, sketch);
    else if (shape == u"angle")
        lSketch(k, sketch);
    else if (shape == u"he" || shape == u"ipe" || shape == u"ipn")
        iSketch(k, sketch, shape);
    else
        throw std::runtime_error(QStringLiteral("unknown section %1").arg(shape).toStdString());
}

// ------------------------------------------------------------------- table

void drawTable(QPainter &p, const ToleranceItem &item, const QString &language)
{
    QStringList head = item.head.value(language);
    QList<QStringList> rows = item.rows.value(language);
    for (QString &c : head)
        c = localized(c, language);
    for (QStringList &r : rows) {
        for (QString &c : r)
            c = localized(c, language);
    }
    const int columns = int(head.size());
    const double available = kTableRight - kTableLeft;

    // The largest font, from 14 pixels down, at which every column fits.
    double size = 14;
    QList<double> widths;
    for (;; size -= 0.5) {
        widths.clear();
        const QFontMetricsF bold(font(size, true)), plain(font(size));
        double total = 0;
        for (int c = 0; c < columns; ++c) {
            double w = bold.horizontalAdvance(head[c]);
            for (const QStringList &r : rows)
                w = std::max(w, plain.horizontalAdvance(r[c]));
            widths << w + 18;
            total += w + 18;
        }
        if (total <= available || size <= 10) {
            // Spread what is left over the columns.
            const double spare = (available - total) / columns;
            for (double &w : widths)
                w += std::max(0.0, spare);
            break;
        }
    }
    const QFontMetricsF fm(font(size));
    const double rowHeight = std::ceil(fm.height() + 9);

    double y = kTableTop;
    const auto drawRow = [&](const QStringList &cells, bool header) {
        double x = kTableLeft;
        if (header) {
            p.setPen(Qt::NoPen);
            p.setBrush(kTableHead);
            p.drawRect(QRectF(kTableLeft, y, available, rowHeight));
        }
        p.setFont(font(size, header));
        p.setPen(kText);
        for (int c = 0; c < columns; ++c) {
            const QRectF cell(x + 8, y, widths[c] - 16, rowHeight);
            const Qt::Alignment align = (c == 0 && !header ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
            p.drawText(cell, int(align), cells[c]);
            x += widths[c];
        }
        y += rowHeight;
    };
    drawRow(head, true);
    for (const QStringList &r : rows)
        drawRow(r, false);

    // Grid: outer frame, a line under the header, thin lines between rows
    // and columns.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTableLine, 0.8));
    for (int r = 1; r <= rows.size(); ++r)
        p.drawLine(QPointF(kTableLeft, kTableTop + r * rowHeight), QPointF(kTableRight, kTableTop + r * rowHeight));
    double x = kTableLeft;
    for (int c = 0; c + 1 < columns; ++c) {
        x += widths[c];
        p.drawLine(QPointF(x, kTableTop), QPointF(x, y));
    }
    p.setPen(QPen(kSteelLine, 1.2));
    p.drawRect(QRectF(kTableLeft, kTableTop, available, y - kTableTop));
    p.drawLine(QPointF(kTableLeft, kTableTop + rowHeight), QPointF(kTableRight, kTableTop + rowHeight));

    // Notes under the table.
    y += 12;
    p.setFont(font(12.5));
    p.setPen(kText);
    const QFontMetricsF nm(p.font());
    for (const QString &note : item.notes.value(language)) {
        const QRectF box(kTableLeft, y, available, 200);
        const QRectF used = nm.boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft, localized(note, language));
        p.drawText(box, Qt::TextWordWrap | Qt::AlignLeft, localized(note, language));
        y += used.height() + 2;
    }
}

} // namespace

QImage toleranceFigure(const ToleranceItem &item, const QString &shape, const QString &language)
{
    QImage image(kFigureWidth, kFigureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawSketch(p, item.sketch, shape);
    drawTable(p, item, language);
    p.end();
    return image;
}

QByteArray toleranceFigurePng(const ToleranceItem &item, const QString &shape, const QString &language)
{
    const QImage image = toleranceFigure(item, shape, language);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode a tolerance figure as PNG");
    return bytes;
}
