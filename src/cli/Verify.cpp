#include "cli/Verify.h"

#include "data/SectionFamily.h"
#include "data/Table.h"
#include "props/Sections.h"

#include <cmath>
#include <functional>
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

std::vector<Check> checksOf(SectionFamily family)
{
    switch (family) {
    case SectionFamily::UPN:
        return {kA, kIy, kIz, kWply, kWplz, kAL, kYs};
    case SectionFamily::ANG:
        return {kA, kIy, kAL, kYs};
    default:
        return {kA, kIy, kIz, kWply, kWplz, kAL};
    }
}

// The exact outline of the current row from its stored dimensions.
props::SectionShape shapeOf(SectionFamily family, const Table &t)
{
    const auto v = [&](const char *name) { return t.field(QString::fromLatin1(name)).asFloat(); };
    switch (family) {
    case SectionFamily::IPN:
        return props::taperedFlangeI(v("H"), v("B"), v("Tw"), v("Tf"), v("R1"), v("R2"));
    case SectionFamily::UPN:
        return props::taperedFlangeChannel(v("H"), v("B"), v("Tw"), v("Tf"), v("R1"), v("R2"));
    case SectionFamily::ANG:
        return props::equalLegAngle(v("H"), v("T"), v("R1"), v("R2"));
    default:
        return props::parallelFlangeI(v("h"), v("b"), v("tw"), v("tf"), v("R"));
    }
}

QString percent(double fraction) { return QString::number(100 * fraction, 'f', 3) + QStringLiteral(" %"); }

} // namespace

int verifyTables(const QString &dir, QTextStream &out)
{
    int beyond = 0;
    for (const FamilyInfo &family : allFamilies()) {
        Table table(*family.table);
        table.setDirectory(dir);
        table.setFileName(QString::fromLatin1(family.tableFile));
        table.open();
        const std::vector<Check> checks = checksOf(family.family);
        std::vector<double> largest(checks.size(), 0.0);
        QStringList failures;
        for (int r = 0; r < table.recordCount(); ++r) {
            table.setCurrentRow(r);
            const QString name = table.field(QStringLiteral("Designation")).asString();
            props::ExactProps exact;
            try {
                exact = props::exactProperties(shapeOf(family.family, table).outline);
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
        }
        QStringList summary;
        for (size_t c = 0; c < checks.size(); ++c)
            summary << QStringLiteral("%1 %2").arg(QString::fromLatin1(checks[c].field), percent(largest[c]));
        out << QStringLiteral("%1 (%2 sizes): largest differences %3\n")
                   .arg(QString::fromLatin1(family.tableFile))
                   .arg(table.recordCount())
                   .arg(summary.join(QStringLiteral(", ")));
        for (const QString &f : failures)
            out << f << '\n';
        table.close();
    }
    if (beyond > 0) {
        out << QStringLiteral("%1 values beyond tolerance (A, Iy, Iz %2; the others %3)\n")
                   .arg(beyond)
                   .arg(percent(kTightTolerance), percent(kLooseTolerance));
        return 1;
    }
    out << QStringLiteral("Every value within tolerance (A, Iy, Iz %1; the others %2)\n")
               .arg(percent(kTightTolerance), percent(kLooseTolerance));
    return 0;
}

} // namespace cli
