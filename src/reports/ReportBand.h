#pragma once

#include "reports/ReportDocument.h"

#include <QColor>
#include <QObject>

// A band of a report: a strip the width of the printable area, of fixed
// height, with an optional background colour and a frame on any side. Its
// items are its QObject children (ReportItems.h); its objectName is its
// component name ("DetailBand1").
class ReportBand : public QObject {
    Q_OBJECT
public:
    ReportBand(QObject *report, BandKind kind, double height_mm);

    BandKind kind() const { return m_kind; }
    double height_mm() const { return m_height; }
    void setHeight_mm(double height) { m_height = height; }
    // An invalid colour (the default) leaves the band transparent.
    QColor background() const { return m_background; }
    void setBackground(const QColor &colour) { m_background = colour; }
    Qt::Edges frame() const { return m_frame; }
    void setFrame(Qt::Edges sides) { m_frame = sides; }
    double frameWidth_mm() const { return m_frameWidth; }
    void setFrameWidth_mm(double width) { m_frameWidth = width; }
    QColor frameColour() const { return m_frameColour; }
    void setFrameColour(const QColor &colour) { m_frameColour = colour; }

private:
    BandKind m_kind;
    double m_height;
    QColor m_background;
    Qt::Edges m_frame;
    // One pixel of the layouts' 96 per inch.
    double m_frameWidth = 25.4 / 96;
    QColor m_frameColour = Qt::black;
};
