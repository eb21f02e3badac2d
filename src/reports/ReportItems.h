#pragma once

#include "reports/PrintPicture.h"
#include "reports/ReportDocument.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <QString>

class Table;
class TextMeasure;

// What an item needs to place itself: the text metrics of the target device,
// the data source and the row being printed.
struct PlaceContext {
    TextMeasure *measure = nullptr;
    const Table *table = nullptr;
    int row = -1;          // the data row data-bound items read; -1 when none
    int detailRow = -1;    // the row of the detail line being placed; -1 in other bands
    QChar decimalPoint = u'.';
    QString band;          // name of the band being placed; empty on the page
    QPointF origin_mm;     // the band's corner on the paper (the paper's corner for page items)
};

// A printable item of a report, placed in millimetres from the top-left
// corner of its band, or of the paper when its parent is the report itself
// (then it prints on every page). Its objectName is its component name.
class ReportItem : public QObject {
    Q_OBJECT
public:
    explicit ReportItem(QObject *parent);

    QPointF position_mm() const { return m_position; }
    void setPosition_mm(QPointF position) { m_position = position; }
    void setPosition_mm(double left, double top) { m_position = {left, top}; }
    QSizeF size_mm() const { return m_size; }
    void setSize_mm(QSizeF size) { m_size = size; }
    void setSize_mm(double width, double height) { m_size = {width, height}; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // Binds data-bound items to the run's data source (fields by name);
    // throws when a field does not exist.
    virtual void prepare(const Table *table);
    // Appends what the item prints (nothing when it has nothing to show).
    virtual void place(const PlaceContext &context, QList<PlacedItem> &out) const = 0;

protected:
    PlacedItem placed(const PlaceContext &context, PlacedItem::Kind kind) const;

private:
    QPointF m_position;
    QSizeF m_size{0, 0};
    bool m_enabled = true;
};

// Common to static labels and data-bound texts: font, colour, alignment and
// wrapping. A text item is sized to its text: it keeps the edge its
// alignment names where it was put, so a left-aligned text grows to the
// right of its left edge, a right-aligned one to the left of its right edge
// (left + width) and a centred one about its centre; with no width given
// all three anchor at the left coordinate (the column anchors of the
// catalogues). With word wrap the text breaks into lines no wider than the
// item's width, one placed text per line, each aligned the same way.
class ReportTextItem : public ReportItem {
    Q_OBJECT
public:
    explicit ReportTextItem(QObject *parent);

    QFont font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }
    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour) { m_colour = colour; }
    Qt::Alignment alignment() const { return m_alignment; }
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    void setAlignment(Qt::Alignment alignment) { m_alignment = alignment; }
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap) { m_wordWrap = wordWrap; }

    // The rectangle the text takes on its band (mm from the band's corner),
    // measured with the device's metrics: where a neighbour placed after
    // this label's text goes (Report::textMeasure() during a run).
    QRectF textRect_mm(TextMeasure &measure, const QString &text) const;

    // Arial, the base font of the reports.
    static QFont reportFont(double pointSize, bool bold = false, bool italic = false);

protected:
    void placeText(const PlaceContext &context, const QString &text, QList<PlacedItem> &out) const;

private:
    QFont m_font;
    QColor m_colour = Qt::black;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_wordWrap = false;
};

// A static label. Its text is published as Caption, so the report's
// translator translates it.
class ReportLabel : public ReportTextItem {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
public:
    explicit ReportLabel(QObject *parent, const QString &caption = QString());
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }

    void place(const PlaceContext &context, QList<PlacedItem> &out) const override;

private:
    QString m_caption;
};

// A field of the data source, shown with the field's own display format.
class ReportDataText : public ReportTextItem {
    Q_OBJECT
public:
    ReportDataText(QObject *parent, const QString &fieldName);
    QString fieldName() const { return m_fieldName; }
    void setFieldName(const QString &fieldName) { m_fieldName = fieldName; }

    void prepare(const Table *table) override;
    void place(const PlaceContext &context, QList<PlacedItem> &out) const override;

private:
    QString m_fieldName;
    int m_field = -1;
};

// A picture stored in a field, drawn as large as it fits in the item's box
// keeping its aspect ratio, centred.
class ReportDataPicture : public ReportItem {
    Q_OBJECT
public:
    ReportDataPicture(QObject *parent, const QString &fieldName);
    QString fieldName() const { return m_fieldName; }

    void prepare(const Table *table) override;
    void place(const PlaceContext &context, QList<PlacedItem> &out) const override;

private:
    QString m_fieldName;
    int m_field = -1;
};

// A fixed picture (raster or SVG), replaceable at run time, sized to its
// content unless a size is set.
class ReportPicture : public ReportItem {
    Q_OBJECT
public:
    explicit ReportPicture(QObject *parent, const PrintPicture &picture = {});
    const PrintPicture &picture() const { return m_picture; }
    void setPicture(const PrintPicture &picture) { m_picture = picture; }

    void place(const PlaceContext &context, QList<PlacedItem> &out) const override;

private:
    PrintPicture m_picture;
};

// A filled rectangle: the rules of the layouts.
class ReportShape : public ReportItem {
    Q_OBJECT
public:
    explicit ReportShape(QObject *parent, const QColor &colour = Qt::black);
    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour) { m_colour = colour; }

    void place(const PlaceContext &context, QList<PlacedItem> &out) const override;

private:
    QColor m_colour;
};
