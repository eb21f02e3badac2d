// The three steel catalogues: every row of their steel table in order, the
// units of the chemical composition headings, the A42 note once after the
// last row, line colours from white across a page break, Spanish texts, and
// every column under its heading without overlap on the supplied tables.
#include "browse/Art.h"
#include "data/AppContext.h"
#include "data/Declarations.h"
#include "data/Table.h"
#include "i18n/IvDictionary.h"
#include "i18n/IvMemoryDictionary.h"
#include "reports/FamilyCatalogue.h"
#include "reports/ReportBand.h"
#include "reports/ReportError.h"
#include "reports/ReportItems.h"
#include "reports/SteelCatalogue.h"
#include "support/Fixture.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr double kEps = 1e-6;

QImage device600()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(600 / 0.0254));
    image.setDotsPerMeterY(qRound(600 / 0.0254));
    return image;
}

QStringList texts(const ReportDocument &doc, const QString &name)
{
    QStringList found;
    for (const ReportPage &page : doc.pages)
        for (const PlacedItem &item : page.named(name))
            found << item.text;
    return found;
}

} // namespace

class TestSteelCatalogue : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QImage m_device = device600();

    // A designations table of n rows, "S235JR", "S236JR", ...
    std::unique_ptr<Table> designations(int n)
    {
        const QString file = QStringLiteral("DES-%1.db").arg(n);
        if (!QFile::exists(m_dir.filePath(file))) {
            QList<QVariantMap> rows;
            for (int i = 0; i < n; ++i)
                rows << QVariantMap{{"UNE-EN 10025", QStringLiteral("S%1JR").arg(235 + i)},
                                    {"Alemania", QStringLiteral("St %1").arg(i)},
                                    {"España-NBE EA-95", QStringLiteral("A%1b").arg(i)}};
            fixture::writeTable(m_dir.path(), file, decl::AceroDESTable, rows);
        }
        auto t = std::make_unique<Table>(decl::AceroDESTable);
        t->setDirectory(m_dir.path());
        t->setFileName(file);
        t->open();
        return t;
    }

    std::unique_ptr<Table> supplied(const TableDecl &decl)
    {
        auto t = std::make_unique<Table>(decl);
        t->setDirectory(qEnvironmentVariable("TOLMO_APPDIR"));
        t->open();
        return t;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void oneLayoutPerSteelPage()
    {
        const TableDecl *tables[] = {&decl::AceroMECTable, &decl::AceroQUITable, &decl::AceroDESTable};
        for (int page = 0; page < 3; ++page) {
            SteelCatalogue report(page, nullptr);
            QCOMPARE(report.layout().table, tables[page]);
            QCOMPARE(steelcatalogue::layoutNamed(report.objectName()), &report.layout());
        }
        bool refused = false;
        try {
            SteelCatalogue report(3, nullptr);
        } catch (const ReportError &) {
            refused = true;
        }
        QVERIFY(refused);
    }

    // Rows in table order over several pages; the A42 note once, after the
    // last row; colours white, tinted, ... restarting at every run.
    void rowsNoteAndColoursAcrossPages()
    {
        const auto t = designations(60);
        SteelCatalogue report(2, nullptr);
        report.setDataSource(t.get());
        for (int run = 0; run < 2; ++run) {
            const ReportDocument doc = report.run(m_device);
            QVERIFY(doc.pages.size() >= 2);
            QCOMPARE(doc.paper_mm, QSizeF(297, 210));
            QStringList expected;
            for (int i = 0; i < 60; ++i)
                expected << QStringLiteral("S%1JR").arg(235 + i);
            QCOMPARE(texts(doc, QStringLiteral("QRDBText_UNE-EN 10025")), expected);
            QCOMPARE(texts(doc, QStringLiteral("QRDBText_España-NBE EA-95")).value(59), QStringLiteral("A59b"));
            QCOMPARE(texts(doc, QStringLiteral("QRLabelNote")),
                     QStringList{"N.B. A42 steel in accordance with Standard NBE EA-95 has no equivalent steel in "
                                 "any of the above designations."});
            const ReportPage &last = doc.pages.last();
            const PlacedItem note = last.named(QStringLiteral("QRLabelNote")).value(0);
            for (const PlacedItem &item : last.items)
                if (item.band == u"DetailBand1")
                    QVERIFY(item.rect.bottom() <= note.rect.top() + kEps);
            QList<QColor> colours;
            for (const ReportPage &page : doc.pages)
                for (const PlacedItem &item : page.items)
                    if (item.kind == PlacedItem::Background && item.name == u"DetailBand1")
                        colours << item.colour;
            QCOMPARE(colours.size(), 60);
            for (int i = 0; i < colours.size(); ++i)
                QCOMPARE(colours[i], i % 2 == 0 ? QColor(Qt::white) : FamilyCatalogue::tintColour());
        }
    }

    void closingBand_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("note");
        QTest::newRow("mechanical") << 0 << 1.6 << false;
        QTest::newRow("chemical") << 1 << 1.6 << false;
        QTest::newRow("designations") << 2 << 6.9 << true;
    }

    // The closing band, ruled along its top, holds the note only in the
    // designations catalogue.
    void closingBand()
    {
        QFETCH(int, page);
        QFETCH(double, height);
        QFETCH(bool, note);
        SteelCatalogue report(page, nullptr);
        const ReportBand *closing = report.band(BandKind::Summary);
        QVERIFY(closing);
        QVERIFY(qAbs(closing->height_mm() - height) < kEps);
        QCOMPARE(closing->findChildren<ReportLabel *>().isEmpty(), !note);
    }

    // "(max)" under every element symbol but "Mo"; " mm" under "Thickness".
    void chemicalUnits()
    {
        fixture::writeTable(m_dir.path(), QStringLiteral("QUI.db"), decl::AceroQUITable,
                            {{{"Tipo y Grado", "S235JR"}, {"Norma", "UNE-EN 10025-2"}, {"C", "0.17"}, {"Mo", "-"}}});
        Table t(decl::AceroQUITable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("QUI.db"));
        t.open();
        SteelCatalogue report(1, nullptr);
        report.setDataSource(&t);
        const ReportDocument doc = report.run(m_device);
        QCOMPARE(texts(doc, QStringLiteral("QRDBText_C")), QStringList{"0.17"});
        for (const char *element : {"C", "Mn", "Si", "S", "P", "N", "Cr", "Ni", "CE"})
            QCOMPARE(texts(doc, QStringLiteral("QRLabelUnit_") + QLatin1String(element)), QStringList{"(max)"});
        QCOMPARE(texts(doc, QStringLiteral("QRLabelSym_Mo")), QStringList{"Mo"});
        QVERIFY(texts(doc, QStringLiteral("QRLabelUnit_Mo")).isEmpty());
        QCOMPARE(texts(doc, QStringLiteral("QRLabelUnit_Espesor")), QStringList{" mm"});
    }

    // In Spanish the headings, the subtitle and the note are Spanish, the
    // logo is the Spanish one, and the data stays as stored.
    void spanishTexts()
    {
        auto d = std::make_unique<TIvMemoryDictionary>(nullptr, QStringLiteral("Dictionary1"));
        d->addLanguage(TIvMemoryDictionary::english());
        d->addLanguage(TIvMemoryDictionary::spanish());
        d->setBinding(ivbiLanguageToLocale);
        d->setSubLanguage(0);
        d->setLanguage(0);
        d->setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
        for (const auto &[native, es] : QList<QPair<QString, QString>>{
                 {"Steel Catalogue", "Catálogo de aceros"},
                 {"Equivalent designations", "Designaciones equivalentes"},
                 {"Germany", "Alemania"},
                 {"N.B. A42 steel in accordance with Standard NBE EA-95 has no equivalent steel in any of the above "
                  "designations.",
                  "Nota: el acero A42 no tiene equivalente."}})
            d->addTranslation(native, {native, es});
        d->open();
        d->setLanguage(2);
        AppContext context;
        context.setLanguage(Language::Spanish);
        const auto t = designations(3);
        SteelCatalogue report(2, &context);
        report.setDataSource(t.get());
        const ReportDocument doc = report.run(m_device);
        d->setLanguage(1);
        QCOMPARE(texts(doc, QStringLiteral("LBCatalogo")), QStringList{"Catálogo de aceros"});
        QCOMPARE(texts(doc, QStringLiteral("QRLabelSubtitle")), QStringList{"Designaciones equivalentes"});
        QCOMPARE(texts(doc, QStringLiteral("QRLabelSym_Alemania")), QStringList{"Alemania"});
        QCOMPARE(texts(doc, QStringLiteral("QRLabelNote")), QStringList{"Nota: el acero A42 no tiene equivalente."});
        QCOMPARE(texts(doc, QStringLiteral("QRDBText_Alemania")), (QStringList{"St 0", "St 1", "St 2"}));
        const PlacedItem logo = doc.pages[0].named(QStringLiteral("ImgLogo")).value(0);
        QCOMPARE(logo.kind, PlacedItem::Picture);
        QImage a(54, 70, QImage::Format_ARGB32), b(54, 70, QImage::Format_ARGB32);
        a.fill(Qt::transparent);
        b.fill(Qt::transparent);
        {
            QPainter pa(&a), pb(&b);
            logo.picture.paint(pa, QRectF(0, 0, 54, 70));
            PrintPicture::fromFile(art::resourcePath(QStringLiteral("logo-es"))).paint(pb, QRectF(0, 0, 54, 70));
        }
        QCOMPARE(a, b);
    }

    void suppliedTables_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("mechanical") << 0;
        QTest::newRow("chemical") << 1;
        QTest::newRow("designations") << 2;
    }

    // Every steel catalogue on its supplied table: one line per row, each
    // value and heading at its column's anchor, no two texts of a line or
    // heading row overlapping, everything inside the margins.
    void suppliedTables()
    {
        if (!QDir(qEnvironmentVariable("TOLMO_APPDIR")).exists(QStringLiteral("AceroDES.db")))
            QSKIP("the supplied tables are not built");
        QFETCH(int, page);
        SteelCatalogue report(page, nullptr);
        const auto t = supplied(*report.layout().table);
        report.setDataSource(t.get());
        const ReportDocument doc = report.run(m_device);
        QVERIFY(!doc.pages.isEmpty());
        const CatalogueColumn &first = report.layout().columns.front();
        QCOMPARE(texts(doc, QStringLiteral("QRDBText_") + QString::fromUtf8(first.field)).size(), t->recordCount());
        for (const ReportPage &p : doc.pages) {
            QHash<QString, QList<QRectF>> lines;
            for (const PlacedItem &item : p.items) {
                if (item.kind != PlacedItem::Text)
                    continue;
                QVERIFY2(item.rect.left() >= 15 - kEps && item.rect.right() <= 297 - 15 + kEps,
                         qPrintable(item.name + u' ' + item.text));
                QVERIFY2(item.rect.top() >= 25 - kEps && item.rect.bottom() <= 210 - 15 + kEps,
                         qPrintable(item.name + u' ' + item.text));
                if (item.band.isEmpty() || item.band == u"PageHeaderBand1")
                    continue;
                const QString key = item.band + QString::number(qRound(item.rect.top() * 100));
                for (const QRectF &other : lines[key])
                    QVERIFY2(!other.intersects(item.rect), qPrintable(item.name + u' ' + item.text));
                lines[key] << item.rect;
            }
            for (const CatalogueColumn &c : report.layout().columns) {
                const QString field = QString::fromUtf8(c.field);
                QList<PlacedItem> placed = p.named(QStringLiteral("QRDBText_") + field);
                placed << p.named(QStringLiteral("QRLabelSym_") + field) << p.named(QStringLiteral("QRLabelUnit_") + field);
                QVERIFY2(!placed.isEmpty(), qPrintable(field));
                for (const PlacedItem &item : placed) {
                    if (item.text.trimmed().isEmpty())
                        continue;
                    const double at = c.align == ColumnAlign::Left ? item.rect.left() : item.rect.center().x();
                    QVERIFY2(qAbs(at - 15 - c.anchor_mm) < 1e-3,
                             qPrintable(QStringLiteral("%1 %2 at %3").arg(item.name, item.text).arg(at - 15)));
                }
            }
        }
    }
};

QTEST_MAIN(TestSteelCatalogue)
#include "tst_steelcatalogue.moc"
