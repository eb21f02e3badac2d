#include "reports/TextMeasure.h"

#include <QPaintDevice>

TextMeasure::TextMeasure(const QPaintDevice &device)
    : m_device(&device), m_mmPerDotX(25.4 / device.logicalDpiX()), m_mmPerDotY(25.4 / device.logicalDpiY())
{
}

const QFontMetricsF &TextMeasure::metrics(const QFont &font)
{
    auto it = m_metrics.find(font);
    if (it == m_metrics.end())
        it = m_metrics.insert(font, QFontMetricsF(font, m_device));
    return *it;
}

double TextMeasure::width_mm(const QFont &font, const QString &text)
{
    return metrics(font).horizontalAdvance(text) * m_mmPerDotX;
}

double TextMeasure::height_mm(const QFont &font) { return metrics(font).height() * m_mmPerDotY; }

double TextMeasure::ascent_mm(const QFont &font) { return metrics(font).ascent() * m_mmPerDotY; }

double TextMeasure::lineSpacing_mm(const QFont &font) { return metrics(font).lineSpacing() * m_mmPerDotY; }

QStringList TextMeasure::wrap(const QFont &font, const QString &text, double width_mm)
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QString line;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && this->width_mm(font, longer) > width_mm) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines;
}
