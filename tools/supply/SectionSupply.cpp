#include "SectionSupply.h"

#include "Csv.h"

#include "data/Declarations.h"
#include "data/SectionFamily.h"
#include "props/Detailing.h"
#include "props/Sections.h"
#include "props/Tapered.h"

#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

#include <QHash>
#include <QSet>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

// Stored properties keep six significant digits: well beyond what any
// display format shows, free of the noise of the last bits.
QVariant stored(double v) { return QString::number(v, 'g', 6).toDouble(); }

QVariant text(const std::string &s) { return QString::fromStdString(s); }

// The rows of a CSV file of dimensions, with its numbers parsed.
struct Dimensions {
    CsvTable csv;
    double operator()(int row, const char *column) const
    {
        bool ok = false;
        const int c = csv.column(QString::fromLatin1(column));
        const double v = csv.rows[row][c].toDouble(&ok);
        if (!ok || v <= 0)
            sourceError(csv.path, csv.lines[row], QStringLiteral("\"%1\" is not a positive number").arg(csv.rows[row][c]));
        return v;
    }
    QString text(int row, const char *column) const { return csv.rows[row][csv.column(QString::fromLatin1(column))]; }
    int size() const { return int(csv.rows.size()); }
};

// Values by field name (ignoring case, as the tables bind them) laid out in
// the order of the columns; a name with no value is an error of this tool,
// not of the sources.
QVariantList layOut(const QList<tablefile::Column> &columns, const QVariantMap &values)
{
    QVariantList row;
    for (const tablefile::Column &c : columns) {
        auto it = values.constBegin();
        while (it != values.constEnd() && it.key().compare(c.name, Qt::CaseInsensitive) != 0)
            ++it;
        if (it == values.constEnd())
            throw std::logic_error(QStringLiteral("no value for the field %1").arg(c.name).toStdString());
        row << *it;
    }
    return row;
}

QList<int> declaredSizes(const TableDecl &decl, const QList<tablefile::Column> &columns)
{
    QList<int> sizes;
    for (const tablefile::Column &c : columns) {
        const int i = decl.indexOf(c.name.toUtf8().constData());
        sizes << (i >= 0 ? decl.fields[size_t(i)].size : 0);
    }
    return sizes;
}

// The IPN file keeps its whole record: the designation first, then two
// fields no part of the catalogue reads, then the declared fields with Iz
// ahead of Wply and "Ss" spelled so.
const char *const kIpnFileOrder[] = {"Designation", "Standard", "Specification", "Supply", "H", "B", "Tw", "Tf",
                                     "R1", "R2", "D", "A", "Iy", "Iz", "Wply", "Wplz", "It", "Iw", "AL", "Avz",
                                     "Pmin", "Pmax", "Dmax", "Ss"};

constexpr int kSpecificationSize = 15;

QList<tablefile::Column> ipnColumns()
{
    const QList<tablefile::Column> declared = tablefile::storedColumns(decl::iLamIncTable);
    QList<tablefile::Column> columns;
    for (const char *name : kIpnFileOrder) {
        const QString n = QString::fromLatin1(name);
        if (n == u"Standard") {
            columns.append({n, FieldType::Logical});
            continue;
        }
        if (n == u"Specification") {
            columns.append({n, FieldType::Text});
            continue;
        }
        const auto it = std::find_if(declared.cbegin(), declared.cend(), [&](const tablefile::Column &c) {
            return c.name.compare(n, Qt::CaseInsensitive) == 0;
        });
        if (it == declared.cend())
            throw std::logic_error(QStringLiteral("the IPN record names %1, which is not declared").arg(n).toStdString());
        columns.append({n, it->type});
    }
    for (const tablefile::Column &c : declared) {
        const bool present = std::any_of(columns.cbegin(), columns.cend(), [&](const tablefile::Column &k) {
            return k.name.compare(c.name, Qt::CaseInsensitive) == 0;
        });
        if (!present)
            throw std::logic_error(QStringLiteral("the IPN record lacks the declared %1").arg(c.name).toStdString());
    }
    return columns;
}

// The detailing figures of the published European section tables
// (sections/detailing.csv): every size they list shows exactly these; the
// rule fills in the sizes they do not list.
struct PublishedRow {
    props::DetailingTexts texts;
    std::optional<double> ss_mm;
    int line = 0;
};

class PublishedDetailing {
public:
    explicit PublishedDetailing(const QString &path)
        : m_csv(readCsv(path))
    {
        static const QRegularExpression bolt(QStringLiteral("^M[0-9]+$"));
        for (int r = 0; r < m_csv.rows.size(); ++r) {
            const QString name = cell(r, "designation");
            const QString dmax = cell(r, "dmax"), lo = cell(r, "gauge_min"), hi = cell(r, "gauge_max");
            PublishedRow row;
            row.line = m_csv.lines[r];
            if (dmax == u"-") {
                if (!lo.isEmpty() || !hi.isEmpty())
                    fail(r, QStringLiteral("%1 gives gauges but no bolt").arg(name));
                row.texts = {"-", "-", "-"};
            } else {
                if (!bolt.match(dmax).hasMatch())
                    fail(r, QStringLiteral("\"%1\" is not a bolt").arg(dmax));
                const int min = wholeMillimetres(r, lo), max = wholeMillimetres(r, hi);
                if (min > max)
                    fail(r, QStringLiteral("%1: the smallest gauge exceeds the largest").arg(name));
                row.texts = {std::to_string(min), std::to_string(max), dmax.toStdString()};
            }
            const QString ss = cell(r, "ss");
            if (!ss.isEmpty()) {
                bool ok = false;
                const double v = ss.toDouble(&ok);
                if (!ok || !(v > 0))
                    fail(r, QStringLiteral("\"%1\" is not a positive number").arg(ss));
                row.ss_mm = v;
            }
            if (m_rows.contains(name))
                fail(r, QStringLiteral("%1 is listed twice").arg(name));
            m_rows.insert(name, row);
        }
    }

    // The published row of a size, or nothing when the tables do not list it.
    const PublishedRow *find(const QString &designation)
    {
        const auto it = m_rows.constFind(designation);
        if (it == m_rows.constEnd())
            return nullptr;
        m_used.insert(designation);
        return &*it;
    }

    // A listed size that no section table has is a misspelt designation.
    void checkAllUsed() const
    {
        for (auto it = m_rows.constBegin(); it != m_rows.constEnd(); ++it) {
            if (!m_used.contains(it.key()))
                sourceError(m_csv.path, it->line, QStringLiteral("%1 is in no section table").arg(it.key()));
        }
    }

private:
    QString cell(int r, const char *column) const { return m_csv.rows[r][m_csv.column(QString::fromLatin1(column))]; }
    [[noreturn]] void fail(int r, const QString &what) const { sourceError(m_csv.path, m_csv.lines[r], what); }
    int wholeMillimetres(int r, const QString &text) const
    {
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (!ok || v <= 0 || v != std::floor(v))
            fail(r, QStringLiteral("\"%1\" is not a gauge in whole millimetres").arg(text));
        return int(v);
    }

    CsvTable m_csv;
    QHash<QString, PublishedRow> m_rows;
    QSet<QString> m_used;
};

// The published texts of a size where the tables list it, else the rule's.
props::DetailingTexts detailingOf(PublishedDetailing &published, const QString &designation,
                                  const props::FlangeSeat &seat)
{
    if (const PublishedRow *row = published.find(designation))
        return row->texts;
    return props::detailingTexts(seat);
}

// The published stiff bearing length where the tables give it, else the rule's.
double stiffBearingOf(PublishedDetailing &published, const QString &designation, double rule)
{
    const PublishedRow *row = published.find(designation);
    return row && row->ss_mm ? *row->ss_mm : rule;
}

QVariantMap common(const Dimensions &d, int row)
{
    QVariantMap m;
    m[QStringLiteral("Designation")] = d.text(row, "designation");
    const QString supply = d.text(row, "supply");
    m[QStringLiteral("Supply")] = supply.isEmpty() ? QVariant() : QVariant(supply);
    return m;
}

TableContent parallelFlangeTable(const Dimensions &d, PublishedDetailing &published)
{
    TableContent t;
    t.columns = tablefile::storedColumns(decl::iLamParTable);
    for (int r = 0; r < d.size(); ++r) {
        QVariantMap m = common(d, r);
        const double h = d(r, "h"), b = d(r, "b"), tw = d(r, "tw"), tf = d(r, "tf"), rr = d(r, "r");
        m[QStringLiteral("h")] = h;
        m[QStringLiteral("b")] = b;
        m[QStringLiteral("tw")] = tw;
        m[QStringLiteral("tf")] = tf;
        m[QStringLiteral("R")] = rr;
        const props::DetailingTexts det =
            detailingOf(published, d.text(r, "designation"), props::iSectionSeat(props::FlangeKind::Parallel, b, tw, rr));
        m[QStringLiteral("Pmin")] = text(det.minGauge);
        m[QStringLiteral("Pmax")] = text(det.maxGauge);
        m[QStringLiteral("Dmax")] = text(det.bolt);
        t.rows << layOut(t.columns, m);
    }
    return t;
}

// The dimensions and the stored properties that IPN and UPN share; field
// names match ignoring case.
void putTapered(QVariantMap &m, const props::TaperedProps &p, double h, double b, double tw, double tf, double r1,
                double r2, double d_mm, double ss_mm)
{
    m[QStringLiteral("H")] = h;
    m[QStringLiteral("B")] = b;
    m[QStringLiteral("Tw")] = tw;
    m[QStringLiteral("Tf")] = tf;
    m[QStringLiteral("R1")] = r1;
    m[QStringLiteral("R2")] = r2;
    // The published depth of the straight web; the outline's own lies within
    // a millimetre or two of it (tolmo-cli verify compares them).
    m[QStringLiteral("D")] = d_mm;
    m[QStringLiteral("A")] = stored(p.A);
    m[QStringLiteral("Iy")] = stored(p.Iy);
    m[QStringLiteral("Iz")] = stored(p.Iz);
    m[QStringLiteral("Wply")] = stored(p.Wply);
    m[QStringLiteral("Wplz")] = stored(p.Wplz);
    m[QStringLiteral("It")] = stored(p.It);
    m[QStringLiteral("Iw")] = stored(p.Iw);
    m[QStringLiteral("AL")] = stored(p.AL);
    m[QStringLiteral("Avz")] = stored(p.Avz);
    m[QStringLiteral("Ss")] = stored(ss_mm);
}

TableContent ipnTable(const Dimensions &d, PublishedDetailing &published)
{
    TableContent t;
    t.columns = ipnColumns();
    for (int r = 0; r < d.size(); ++r) {
        QVariantMap m = common(d, r);
        const double h = d(r, "h"), b = d(r, "b"), tw = d(r, "tw"), tf = d(r, "tf"), r1 = d(r, "r1"), r2 = d(r, "r2");
        const props::TaperedProps p = props::ipnProperties(h, b, tw, tf, r1, r2);
        // Every size of the table belongs to the standard series of DIN 1025-1.
        m[QStringLiteral("Standard")] = true;
        m[QStringLiteral("Specification")] = QStringLiteral("DIN 1025-1");
        const QString name = d.text(r, "designation");
        putTapered(m, p, h, b, tw, tf, r1, r2, d(r, "d"), stiffBearingOf(published, name, p.ss_mm));
        const props::DetailingTexts det =
            detailingOf(published, name, props::iSectionSeat(props::FlangeKind::TaperedI, b, tw, r1));
        m[QStringLiteral("Pmin")] = text(det.minGauge);
        m[QStringLiteral("Pmax")] = text(det.maxGauge);
        m[QStringLiteral("Dmax")] = text(det.bolt);
        t.rows << layOut(t.columns, m);
    }
    return t;
}

TableContent upnTable(const Dimensions &d, PublishedDetailing &published)
{
    TableContent t;
    t.columns = tablefile::storedColumns(decl::uLamTable);
    for (int r = 0; r < d.size(); ++r) {
        QVariantMap m = common(d, r);
        const double h = d(r, "h"), b = d(r, "b"), tw = d(r, "tw"), tf = d(r, "tf"), r1 = d(r, "r1"), r2 = d(r, "r2");
        const props::TaperedProps p = props::upnProperties(h, b, tw, tf, r1, r2);
        const QString name = d.text(r, "designation");
        putTapered(m, p, h, b, tw, tf, r1, r2, d(r, "d"), stiffBearingOf(published, name, p.ss_mm));
        m[QStringLiteral("ym")] = stored(p.ym);
        m[QStringLiteral("ys")] = stored(p.ys);
        const props::DetailingTexts det = detailingOf(published, name, props::channelSeat(b, tw, r1));
        m[QStringLiteral("Emin")] = text(det.minGauge);
        m[QStringLiteral("Emax")] = text(det.maxGauge);
        m[QStringLiteral("Dmax")] = text(det.bolt);
        t.rows << layOut(t.columns, m);
    }
    return t;
}

TableContent angleTable(const Dimensions &d, PublishedDetailing &published)
{
    TableContent t;
    t.columns = tablefile::storedColumns(decl::AngularTable);
    for (int r = 0; r < d.size(); ++r) {
        QVariantMap m = common(d, r);
        const double h = d(r, "h"), th = d(r, "t"), r1 = d(r, "r1"), r2 = d(r, "r2");
        m[QStringLiteral("H")] = h;
        m[QStringLiteral("T")] = th;
        m[QStringLiteral("R1")] = r1;
        m[QStringLiteral("R2")] = r2;
        const props::DetailingTexts det = detailingOf(published, d.text(r, "designation"), props::angleSeat(h, th, r1));
        m[QStringLiteral("Emin")] = text(det.minGauge);
        m[QStringLiteral("Emax")] = text(det.maxGauge);
        m[QStringLiteral("Dmax")] = text(det.bolt);
        t.rows << layOut(t.columns, m);
    }
    return t;
}

} // namespace

void checkTextSizes(const TableContent &table, const QList<int> &sizes)
{
    for (int r = 0; r < table.rows.size(); ++r) {
        for (int c = 0; c < table.columns.size(); ++c) {
            const QVariant &v = table.rows[r][c];
            if (table.columns[c].type != FieldType::Text || v.isNull())
                continue;
            if (sizes[c] > 0 && v.toString().size() > sizes[c]) {
                throw std::runtime_error(QStringLiteral("%1, row %2: \"%3\" is longer than the %4 characters of %5")
                                             .arg(table.file)
                                             .arg(r + 1)
                                             .arg(v.toString())
                                             .arg(sizes[c])
                                             .arg(table.columns[c].name)
                                             .toStdString());
            }
        }
    }
}

QList<TableContent> sectionTables(const QString &supplyDir)
{
    QList<TableContent> tables;
    PublishedDetailing published(QDir(supplyDir).filePath(QStringLiteral("sections/detailing.csv")));
    for (const FamilyInfo &family : allFamilies()) {
        const QString source = QDir(supplyDir).filePath(QStringLiteral("sections/%1.csv").arg(QLatin1String(family.key)));
        const Dimensions d{readCsv(source)};
        TableContent t;
        switch (family.family) {
        case SectionFamily::IPN:
            t = ipnTable(d, published);
            break;
        case SectionFamily::UPN:
            t = upnTable(d, published);
            break;
        case SectionFamily::ANG:
            t = angleTable(d, published);
            break;
        default:
            t = parallelFlangeTable(d, published);
            break;
        }
        t.file = QString::fromLatin1(family.tableFile);
        t.tableName = QFileInfo(t.file).completeBaseName();
        QList<int> sizes = declaredSizes(*family.table(), t.columns);
        for (int c = 0; c < t.columns.size(); ++c) {
            if (t.columns[c].name == u"Specification")
                sizes[c] = kSpecificationSize;
        }
        checkTextSizes(t, sizes);
        tables << t;
    }
    published.checkAllUsed();
    return tables;
}
