#pragma once

#include "reports/PrintPicture.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A laid-out report: its pages as lists of placed items, every position in
// millimetres from the top-left corner of the paper. Laying out a report
// (Report::run) makes one; painting it (ReportPainter.h) is the only step
// that touches a painter, so what the tests read here is what prints.

enum class BandKind { Title, PageHeader, ColumnHeader, Detail, Summary };

struct PlacedItem {
    enum Kind {
        Background, // a band's background colour
        Frame,      // one side of a band's frame
        Text,       // one line of text, rect sized to it
        Picture,    // a picture drawn filling rect
        Rectangle,  // a filled rectangle (rules)
    };
    Kind kind = Text;
    QString name;  // the component: the item's, or the band's for its background and frame
    QString band;  // the band it belongs to; empty for items placed on the page
    QRectF rect;   // mm from the paper's corner
    QString text;
    QFont font;
    double baseline_mm = 0; // from the top of rect to the text's baseline
    QColor colour; // text colour or fill colour
    PrintPicture picture;
    int row = -1;  // the data row of a detail line, -1 in other bands and on the page
};

struct PlacedBand {
    QString name;
    BandKind kind = BandKind::Detail;
    QRectF rect; // mm from the paper's corner
    int row = -1; // the data row of a detail line
};

struct ReportPage {
    QList<PlacedBand> bands;  // in printing order, top to bottom
    QList<PlacedItem> items;  // in painting order

    // The items of that component, in painting order.
    QList<PlacedItem> named(const QString &name) const
    {
        QList<PlacedItem> found;
        for (const PlacedItem &item : items)
            if (item.name == name)
                found << item;
        return found;
    }
};

struct ReportDocument {
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF paper_mm; // A4 in the report's orientation
    QList<ReportPage> pages;
};
