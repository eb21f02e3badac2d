#include "cli/Verify.h"

#include "data/Record.h"
#include "data/SectionFamily.h"
#include "data/Table.h"
#include "props/Detailing.h"
#include "props/Sections.h"

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace cli {

namespace {

// One compared property: the table field that shows it, the exact value
// from the outline's properties and its tolerance.
struct Check {
    const char *field;
    std::function<double(const props::ExactProps &)> exact;
    double tolerance;
};

const Check kA{"A", [](const props::ExactProps &e) { return e.A; }, kTightTolerance};
const Check kIy{"Iy", [](const props::ExactProps &e) { return e.Iy; }, kTightTolerance};
const Check kIz{"Iz", [](const props::ExactProps &e) { return e.Iz; }, kTightTolerance};
const Check kWply{"Wply", [](const props::ExactProps &e) { return e.Wply; }, kLooseTolerance};
const Check kWplz{"Wplz", [](const props::ExactProps &e) { return e.Wplz; }, kLooseTolerance};
const Check kAL{"AL", [](const props::ExactProps &e) { return e.AL; }, kLooseTolerance};
const Check kYs{"ys", [](const props::ExactProps &e) { return e.xc; }, kLooseTolerance};

// Every check by the field it compares, in the order of the summary lines.
const Check *const kChecks[] = {&kA, &kIy, &kIz, &kWply, &kWplz, &kAL, &kYs};

// The checks of the fields a kind of section names, in the order above.
std::vector<Check> checksOf(const SectionKind &kind)
{
    std::vector<Check> checks;
    for (const Check *check : kChecks) {
        for (const char *field : kind.exactFields) {
            if (QLatin1String(field) == QLatin1String(check->field))
                checks.push_back(*check);
        }
    }
    return checks;
}

QString percent(double fraction) { return QString::number(100 * fraction, 'f', 3) + QStringLiteral(" %"); }

// The detailing figures and web depth a row shows, compared with the
// bolting rule and the exact outline. The stored figures are the published
// ones where the European tables list the size; the rule gives every
// published bolt and gauges within a few millimetres of the published ones,
// so a different bolt or a gauge further off is a fault of the supply.
struct DetailCheck {
    QString field;
    QString unit;
    double tolerance; // in unit
};

const DetailCheck kBolt{QStringLiteral("Dmax"), QStringLiteral("sizes"), 0};
constexpr double kGaugeTolerance = 6;     // mm
constexpr double kBearingTolerance = 0.15; // mm: the published lengths are rounded to 0.1 mm
constexpr double kWebDepthTolerance = 2;  // mm: published d against the exact outline's

std::vector<DetailCheck> detailChecksOf(const SectionKind &kind)
{
    const QString mm = QStringLiteral("mm");
    std::vector<DetailCheck> checks{kBolt,
                                    {QString::fromLatin1(kind.gaugeMin), mm, kGaugeTolerance},
                                    {QString::fromLatin1(kind.gaugeMax), mm, kGaugeTolerance}};
    if (kind.stiffBearing)
        checks.push_back({QStringLiteral("Ss"), mm, kBearingTolerance});
    if (kind.webDepth)
        checks.push_back({QString::fromLatin1(kind.webDepth), mm, kWebDepthTolerance});
    return checks;
}

// Position of a bolt in the rule's series (-1 for "-", below every bolt);
// nothing for a text that is no bolt of the series.
std::optional<int> boltIndex(const QString &text, props::FlangeKind kind)
{
    if (text == u"-")
        return -1;
    const std::span<const props::GaugeLine> lines = props::gaugeLines(kind);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (text == QLatin1String(lines[i].bolt))
            return int(i);
    }
    return std::nullopt;
}

// What the rule and the outline give for one detail field of the current row.
double ruleValue(const DetailCheck &check, const SectionKind &kind, const Record &row,
                 const props::SectionShape &shape, const std::optional<props::BoltFit> &fit)
{
    if (check.field == u"D")
        return shape.webDepth;
    if (check.field == u"Ss")
        return kind.stiffBearing(row);
    if (!fit)
        return std::nan("");
    return check.field.endsWith(u"min") ? fit->minGauge : fit->maxGauge;
}

// The difference of one detail field in its unit; infinite when the stored
// text is not a figure at all, so that it is always beyond tolerance.
double detailDifference(const DetailCheck &check, const SectionKind &kind, const Table &t, const Record &row,
                        const props::SectionShape &shape, const props::FlangeSeat &seat,
                        const std::optional<props::BoltFit> &fit, QString &shown, QString &want)
{
    const double inf = std::numeric_limits<double>::infinity();
    const FieldRef f = t.field(check.field);
    if (check.field == kBolt.field) {
        shown = f.asString();
        want = fit ? QLatin1String(fit->line->bolt) : QStringLiteral("-");
        const std::optional<int> a = boltIndex(shown, seat.kind), b = boltIndex(want, seat.kind);
        return a && b ? std::abs(*a - *b) : inf;
    }
    const double rule = ruleValue(check, kind, row, shape, fit);
    want = std::isnan(rule) ? QStringLiteral("-") : QString::number(rule, 'g', 6);
    if (check.field == u"Ss" || check.field == u"D") {
        const double stored = f.asFloat();
        shown = QString::number(stored, 'g', 6);
        return f.isNull() ? inf : std::fabs(stored - rule);
    }
    // Gauges are texts: a whole number, or "-" where no bolt fits.
    shown = f.asString();
    if (std::isnan(rule))
        return shown == u"-" ? 0 : inf;
    bool ok = false;
    const int stored = shown.toInt(&ok);
    return ok ? std::fabs(stored - rule) : inf;
}

QString tolerances()
{
    return QStringLiteral("A, Iy, Iz %1; the other properties %2; the rule's bolt exactly, its gauges to %3 mm, "
                          "its Ss to %4 mm; D to %5 mm of the outline's")
        .arg(percent(kTightTolerance), percent(kLooseTolerance))
        .arg(kGaugeTolerance)
        .arg(kBearingTolerance)
        .arg(kWebDepthTolerance);
}

} // namespace

int verifyTable(const FamilyInfo &family, Table &table, QTextStream &out)
{
    int beyond = 0;
    {
        const SectionKind &kind = *family.kind;
        const std::vector<Check> checks = checksOf(kind);
        std::vector<double> largest(checks.size(), 0.0);
        const std::vector<DetailCheck> details = detailChecksOf(kind);
        std::vector<double> largestDetail(details.size(), 0.0);
        QStringList failures;
        for (int r = 0; r < table.recordCount(); ++r) {
            table.setCurrentRow(r);
            const Record row = table.record(r);
            const QString name = table.field(QStringLiteral("Designation")).asString();
            props::ExactProps exact;
            props::SectionShape shape;
            try {
                shape = kind.outline(row);
                exact = props::exactProperties(shape.outline);
            } catch (const std::exception &e) {
                failures << QStringLiteral("  %1: its dimensions make no outline (%2)").arg(name, QString::fromUtf8(e.what()));
                ++beyond;
                continue;
            }
            for (size_t c = 0; c < checks.size(); ++c) {
                const double shown = table.field(QString::fromLatin1(checks[c].field)).asFloat();
                const double want = checks[c].exact(exact);
                const double diff = std::fabs(shown - want) / std::fabs(want);
                const double d = std::isfinite(diff) ? diff : 1.0;
                largest[c] = std::max(largest[c], d);
                if (!(d <= checks[c].tolerance)) {
                    failures << QStringLiteral("  %1: %2 shows %3, exact %4 (%5, more than %6)")
                                    .arg(name, QString::fromLatin1(checks[c].field))
                                    .arg(shown, 0, 'g', 6)
                                    .arg(want, 0, 'g', 6)
                                    .arg(percent(d), percent(checks[c].tolerance));
                    ++beyond;
                }
            }
            const props::FlangeSeat seat = kind.seat(row);
            const std::optional<props::BoltFit> fit = props::largestBolt(seat);
            for (size_t c = 0; c < details.size(); ++c) {
                QString shown, want;
                const double d = detailDifference(details[c], kind, table, row, shape, seat, fit, shown, want);
                largestDetail[c] = std::max(largestDetail[c], d);
                if (!(d <= details[c].tolerance)) {
                    const DetailCheck &check = details[c];
                    const QString off = std::isfinite(d) ? QStringLiteral("%1 %2").arg(d, 0, 'g', 3).arg(check.unit)
                                                         : QStringLiteral("no figure");
                    failures << QStringLiteral("  %1: %2 shows %3, the %4 %5 (%6, more than %7 %8)")
                                    .arg(name, check.field, shown.isEmpty() ? QStringLiteral("nothing") : shown,
                                         check.field == u"D" ? QStringLiteral("outline") : QStringLiteral("rule"),
                                         want, off)
                                    .arg(check.tolerance)
                                    .arg(check.unit);
                    ++beyond;
                }
            }
        }
        QStringList summary;
        for (size_t c = 0; c < checks.size(); ++c)
            summary << QStringLiteral("%1 %2").arg(QString::fromLatin1(checks[c].field), percent(largest[c]));
        for (size_t c = 0; c < details.size(); ++c)
            summary << QStringLiteral("%1 %2 %3").arg(details[c].field).arg(largestDetail[c], 0, 'g', 3).arg(details[c].unit);
        out << QStringLiteral("%1 (%2 sizes): largest differences %3\n")
                   .arg(QString::fromLatin1(family.tableFile))
                   .arg(table.recordCount())
                   .arg(summary.join(QStringLiteral(", ")));
        for (const QString &f : failures)
            out << f << '\n';
    }
    return beyond;
}

int verifyTables(const QString &dir, QTextStream &out)
{
    int beyond = 0;
    for (const FamilyInfo &family : allFamilies()) {
        Table table(*family.table());
        table.setDirectory(dir);
        table.setFileName(QString::fromLatin1(family.tableFile));
        table.open();
        beyond += verifyTable(family, table, out);
        table.close();
    }
    if (beyond > 0) {
        out << QStringLiteral("%1 values beyond tolerance (%2)\n").arg(beyond).arg(tolerances());
        return 1;
    }
    out << QStringLiteral("Every value within tolerance (%1)\n").arg(tolerances());
    return 0;
}

} // namespace cli
