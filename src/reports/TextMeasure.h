#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>

class QPaintDevice;

// Text measured in millimetres with the metrics of the device the report is
// laid out for (a printer, a PDF writer, an image), so that a label sized to
// its text is right wherever it prints.
class TextMeasure {
public:
    explicit TextMeasure(const QPaintDevice &device);

    double width_mm(const QFont &font, const QString &text);
    // The height of one line: ascent plus descent.
    double height_mm(const QFont &font);
    // From a line's top to its baseline.
    double ascent_mm(const QFont &font);
    // The distance from one line's top to the next one's.
    double lineSpacing_mm(const QFont &font);
    // The text broken at blanks into lines no wider than width_mm (a word
    // wider than that stands alone on its line); line breaks in the text
    // are kept.
    QStringList wrap(const QFont &font, const QString &text, double width_mm);

    double mmPerDotX() const { return m_mmPerDotX; }
    double mmPerDotY() const { return m_mmPerDotY; }

private:
    const QFontMetricsF &metrics(const QFont &font);

    const QPaintDevice *m_device;
    double m_mmPerDotX;
    double m_mmPerDotY;
    QHash<QFont, QFontMetricsF> m_metrics;
};
