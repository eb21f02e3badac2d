// tolmo-cli pdf --select: the text of a selection, and the rows a catalogue
// prints with it, on a small HEB table.
#include "cli/Pdf.h"
#include "data/Declarations.h"
#include "data/SectionFamily.h"
#include "data/Table.h"
#include "support/Fixture.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using cli::RangeSelection;

Q_DECLARE_METATYPE(CatalogueKind)

namespace {

// HEB 100 ... HEB 160: h = b = 100 + 20 i, tw = 6 + i / 2.
QList<QVariantMap> hebRows()
{
    QList<QVariantMap> list;
    for (int i = 0; i < 4; ++i) {
        const double h = 100 + 20 * i;
        list << fixture::heRow(QStringLiteral("HEB %1").arg(h), h, h, 6 + i * 0.5, 10 + i, 12);
    }
    return list;
}

QStringList designations(const Table &t)
{
    QStringList d;
    for (int r = 0; r < t.recordCount(); ++r)
        d << t.value(r, t.fieldIndex(QStringLiteral("Designation"))).toString();
    return d;
}

constexpr double none = NAN;

} // namespace

class TestPdfSelection : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        fixture::writeTable(m_dir.path(), QStringLiteral("HEB.DB"), decl::iLamParTable, hebRows());
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("low");  // NaN: none
        QTest::addColumn<double>("high"); // NaN: none
        QTest::newRow("between") << "h:100:200" << true << "h" << 100.0 << 200.0;
        QTest::newRow("low only") << "Wply:1.5:" << true << "Wply" << 1.5 << none;
        QTest::newRow("high only") << "M::80" << true << "M" << none << 80.0;
        QTest::newRow("blanks around") << " tw : 6.5 : " << true << "tw" << 6.5 << none;
        QTest::newRow("negative bound") << "h:-1:" << true << "h" << -1.0 << none;
        QTest::newRow("no bound") << "h::" << false << "" << none << none;
        QTest::newRow("no field") << ":1:2" << false << "" << none << none;
        QTest::newRow("one bound slot") << "h:1" << false << "" << none << none;
        QTest::newRow("three bound slots") << "h:1:2:3" << false << "" << none << none;
        QTest::newRow("not a number") << "h:abc:" << false << "" << none << none;
        QTest::newRow("decimal comma") << "h:1,5:" << false << "" << none << none;
        QTest::newRow("infinite") << "h:inf:" << false << "" << none << none;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, field);
        QFETCH(double, low);
        QFETCH(double, high);
        const std::optional<RangeSelection> s = cli::parseSelection(text);
        QCOMPARE(s.has_value(), valid);
        if (!valid)
            return;
        QCOMPARE(s->field, field);
        QCOMPARE(s->low.has_value(), !std::isnan(low));
        QCOMPARE(s->high.has_value(), !std::isnan(high));
        if (s->low)
            QCOMPARE(*s->low, low);
        if (s->high)
            QCOMPARE(*s->high, high);
    }

    void rows_data()
    {
        QTest::addColumn<QStringList>("selections");
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QStringList>("kept");
        const auto P = CatalogueKind::Properties;
        const auto D = CatalogueKind::Detailing;
        const QStringList all{"HEB 100", "HEB 120", "HEB 140", "HEB 160"};
        QTest::newRow("none") << QStringList{} << P << false << all;
        QTest::newRow("between") << QStringList{"h:120:140"} << P << true << QStringList{"HEB 120", "HEB 140"};
        QTest::newRow("between, bounds reversed") << QStringList{"h:140:120"} << P << true
                                                  << QStringList{"HEB 120", "HEB 140"};
        QTest::newRow("more than, bound included") << QStringList{"h:140:"} << D << true
                                                   << QStringList{"HEB 140", "HEB 160"};
        QTest::newRow("less than, bound included") << QStringList{"h::120"} << P << true
                                                   << QStringList{"HEB 100", "HEB 120"};
        QTest::newRow("field in any case") << QStringList{"TW:6.5:6.5"} << D << true << QStringList{"HEB 120"};
        // Exact, unrounded: tw 6.5 lies just above 6.4999 and is not rounded down to it.
        QTest::newRow("unrounded comparison") << QStringList{"tw::6.4999"} << P << true << QStringList{"HEB 100"};
        QTest::newRow("every selection met") << QStringList{"h:100:140", "tw:6.5:"} << P << true
                                             << QStringList{"HEB 120", "HEB 140"};
        // A property criterion does not select the detailing catalogue, nor
        // a detailing one the property catalogue.
        QTest::newRow("property field, detailing catalogue") << QStringList{"A:0:1"} << D << false << all;
        QTest::newRow("detailing field, property catalogue") << QStringList{"Ss:0:1"} << P << false << all;
        QTest::newRow("a selection of each kind") << QStringList{"A:0:1", "h:160:"} << D << true
                                                  << QStringList{"HEB 160"};
        QTest::newRow("nothing selected") << QStringList{"h:1000:"} << P << true << QStringList{};
    }
    void rows()
    {
        QFETCH(QStringList, selections);
        QFETCH(CatalogueKind, kind);
        QFETCH(bool, selected);
        QFETCH(QStringList, kept);
        std::vector<RangeSelection> parsed;
        for (const QString &text : selections) {
            const std::optional<RangeSelection> s = cli::parseSelection(text);
            QVERIFY2(s, qPrintable(text));
            parsed.push_back(*s);
        }
        bool applied = !selected;
        const auto table =
            cli::catalogueTable(familyInfo(SectionFamily::HEB), kind, parsed, m_dir.path(), applied);
        QCOMPARE(applied, selected);
        QCOMPARE(designations(*table), kept);
    }
};

QTEST_GUILESS_MAIN(TestPdfSelection)
#include "tst_pdfselection.moc"
