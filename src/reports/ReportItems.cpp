#include "reports/ReportItems.h"

#include "data/DisplayFormat.h"
#include "data/Table.h"
#include "reports/TextMeasure.h"

// ------------------------------------------------------------------ item

ReportItem::ReportItem(QObject *parent) : QObject(parent) {}

void ReportItem::prepare(const Table *) {}

PlacedItem ReportItem::placed(const PlaceContext &context, PlacedItem::Kind kind) const
{
    PlacedItem item;
    item.kind = kind;
    item.name = objectName();
    item.band = context.band;
    item.row = context.detailRow;
    return item;
}

// ------------------------------------------------------------------ texts

ReportTextItem::ReportTextItem(QObject *parent) : ReportItem(parent), m_font(reportFont(10)) {}

QFont ReportTextItem::reportFont(double pointSize, bool bold, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Outline metrics scale with the device: the same text is as wide on
    // paper as in the PDF and, zoomed, on screen.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

namespace {

// The left edge of a text of that width placed by an item at left with
// width boxWidth (0: sized to its text) and the alignment.
double alignedLeft(double left, double boxWidth, double textWidth, Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return left + boxWidth - textWidth;
    if (alignment & Qt::AlignHCenter)
        return left + (boxWidth - textWidth) / 2;
    return left;
}

} // namespace

QRectF ReportTextItem::textRect_mm(TextMeasure &measure, const QString &text) const
{
    const double boxWidth = size_mm().width();
    if (m_wordWrap && boxWidth > 0) {
        const QStringList lines = measure.wrap(m_font, text, boxWidth);
        double width = 0;
        for (const QString &line : lines)
            width = std::max(width, measure.width_mm(m_font, line));
        const double height = measure.lineSpacing_mm(m_font) * (lines.size() - 1) + measure.height_mm(m_font);
        return {alignedLeft(position_mm().x(), boxWidth, width, m_alignment), position_mm().y(), width, height};
    }
    const double width = measure.width_mm(m_font, text);
    return {alignedLeft(position_mm().x(), boxWidth, width, m_alignment), position_mm().y(), width,
            measure.height_mm(m_font)};
}

void ReportTextItem::placeText(const PlaceContext &context, const QString &text, QList<PlacedItem> &out) const
{
    if (text.isEmpty())
        return;
    TextMeasure &measure = *context.measure;
    const double boxWidth = size_mm().width();
    const QStringList lines =
        m_wordWrap && boxWidth > 0 ? measure.wrap(m_font, text, boxWidth) : QStringList{text};
    const double lineHeight = measure.height_mm(m_font);
    const double spacing = measure.lineSpacing_mm(m_font);
    double top = context.origin_mm.y() + position_mm().y();
    for (const QString &line : lines) {
        if (!line.isEmpty()) {
            const double width = measure.width_mm(m_font, line);
            PlacedItem item = placed(context, PlacedItem::Text);
            item.rect = {context.origin_mm.x() + alignedLeft(position_mm().x(), boxWidth, width, m_alignment), top,
                         width, lineHeight};
            item.text = line;
            item.font = m_font;
            item.baseline_mm = measure.ascent_mm(m_font);
            item.colour = m_colour;
            out << item;
        }
        top += spacing;
    }
}

ReportLabel::ReportLabel(QObject *parent, const QString &caption) : ReportTextItem(parent), m_caption(caption) {}

void ReportLabel::place(const PlaceContext &context, QList<PlacedItem> &out) const
{
    placeText(context, m_caption, out);
}

ReportDataText::ReportDataText(QObject *parent, const QString &fieldName)
    : ReportTextItem(parent), m_fieldName(fieldName)
{
}

void ReportDataText::prepare(const Table *table) { m_field = table ? table->field(m_fieldName).index() : -1; }

void ReportDataText::place(const PlaceContext &context, QList<PlacedItem> &out) const
{
    if (!context.table || m_field < 0 || context.row < 0)
        return;
    const FieldDecl &field = context.table->declaration().fields[size_t(m_field)];
    placeText(context, display::cell(context.table->value(context.row, m_field), field, context.decimalPoint), out);
}

// ------------------------------------------------------------------ pictures

ReportDataPicture::ReportDataPicture(QObject *parent, const QString &fieldName)
    : ReportItem(parent), m_fieldName(fieldName)
{
}

void ReportDataPicture::prepare(const Table *table)
{
    m_field = table ? table->field(m_fieldName).index() : -1;
}

void ReportDataPicture::place(const PlaceContext &context, QList<PlacedItem> &out) const
{
    if (!context.table || m_field < 0 || context.row < 0)
        return;
    const PrintPicture picture = PrintPicture::fromData(context.table->value(context.row, m_field).toByteArray());
    const QRectF box(context.origin_mm + position_mm(), size_mm());
    const QRectF rect = picture.fitted(box);
    if (rect.isEmpty())
        return;
    PlacedItem item = placed(context, PlacedItem::Picture);
    item.rect = rect;
    item.picture = picture;
    out << item;
}

ReportPicture::ReportPicture(QObject *parent, const PrintPicture &picture) : ReportItem(parent), m_picture(picture) {}

void ReportPicture::place(const PlaceContext &context, QList<PlacedItem> &out) const
{
    if (m_picture.isNull())
        return;
    const QRectF rect = size_mm().isEmpty()
                            ? QRectF(context.origin_mm + position_mm(), m_picture.naturalSize_mm())
                            : m_picture.fitted(QRectF(context.origin_mm + position_mm(), size_mm()));
    if (rect.isEmpty())
        return;
    PlacedItem item = placed(context, PlacedItem::Picture);
    item.rect = rect;
    item.picture = m_picture;
    out << item;
}

// ------------------------------------------------------------------ shapes

ReportShape::ReportShape(QObject *parent, const QColor &colour) : ReportItem(parent), m_colour(colour) {}

void ReportShape::place(const PlaceContext &context, QList<PlacedItem> &out) const
{
    if (size_mm().isEmpty())
        return;
    PlacedItem item = placed(context, PlacedItem::Rectangle);
    item.rect = QRectF(context.origin_mm + position_mm(), size_mm());
    item.colour = m_colour;
    out << item;
}
