#include "reports/ReportBand.h"

ReportBand::ReportBand(QObject *report, BandKind kind, double height_mm)
    : QObject(report), m_kind(kind), m_height(height_mm)
{
}
