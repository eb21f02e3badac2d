// The ten family catalogues, read from the engine's display list: titles in
// both selection states, the rows of the family asked for, line colours
// across a page break, Spanish texts and logo with the version label after
// the software name, print-if-empty, and every layout's columns under their
// headings without overlap on the supplied tables.
#include "browse/Art.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "data/Record.h"
#include "data/Table.h"
#include "i18n/IvDictionary.h"
#include "i18n/IvMemoryDictionary.h"
#include "reports/CatalogueLayout.h"
#include "reports/FamilyCatalogue.h"
#include "reports/ReportBand.h"
#include "reports/ReportError.h"
#include "reports/TextMeasure.h"
#include "support/Fixture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(SectionFamily)
Q_DECLARE_METATYPE(CatalogueKind)

namespace {

constexpr double kEps = 1e-6;

// n rows of an HE series or IPE: "HEM 100", "HEM 120", ...
QList<QVariantMap> rows(const QString &series, int n)
{
    QList<QVariantMap> list;
    for (int i = 0; i < n; ++i) {
        const double h = 100 + 20 * i;
        list << fixture::heRow(QStringLiteral("%1 %2").arg(series).arg(h), h, h, 6 + i * 0.5, 10 + i, 12);
    }
    return list;
}

QImage device600()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(600 / 0.0254));
    image.setDotsPerMeterY(qRound(600 / 0.0254));
    return image;
}

QStringList texts(const ReportPage &page, const QString &name)
{
    QStringList found;
    for (const PlacedItem &item : page.named(name))
        found << item.text;
    return found;
}

QString onlyText(const ReportDocument &doc, const QString &name)
{
    const QList<PlacedItem> items = doc.pages.value(0).named(name);
    return items.size() == 1 ? items[0].text : QStringLiteral("<%1 items named %2>").arg(items.size()).arg(name);
}

QStringList bandNames(const ReportPage &page)
{
    QStringList names;
    for (const PlacedBand &b : page.bands)
        names << b.name;
    return names;
}

// The picture rendered to an image, to tell two pictures apart by content.
QImage rendered(const PrintPicture &picture)
{
    QImage image(54, 70, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.paint(painter, QRectF(0, 0, 54, 70));
    return image;
}

// The program's dictionary as a memory dictionary, English and Spanish.
std::unique_ptr<TIvMemoryDictionary> dictionary(const QList<QPair<QString, QString>> &spanish)
{
    auto d = std::make_unique<TIvMemoryDictionary>(nullptr, QStringLiteral("Dictionary1"));
    d->addLanguage(TIvMemoryDictionary::english());
    d->addLanguage(TIvMemoryDictionary::spanish());
    d->setBinding(ivbiLanguageToLocale);
    d->setSubLanguage(0);
    d->setLanguage(0);
    d->setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
    for (const auto &[native, es] : spanish)
        d->addTranslation(native, {native, es});
    d->open();
    return d;
}

} // namespace

class TestFamilyCatalogue : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QImage m_device = device600();

    // A table of the fixture rows of series ("HEA" ... "IPE"), n rows, opened.
    std::unique_ptr<Table> table(const QString &series, int n, Table::Filter filter = {})
    {
        const QString file = QStringLiteral("%1-%2.DB").arg(series).arg(n);
        if (!QFile::exists(m_dir.filePath(file)))
            fixture::writeTable(m_dir.path(), file, decl::iLamParTable, rows(series, n));
        auto t = std::make_unique<Table>(decl::iLamParTable);
        t->setDirectory(m_dir.path());
        t->setFileName(file);
        if (filter) {
            t->setFilter(std::move(filter));
            t->setFiltered(true);
        }
        t->open();
        return t;
    }

    // A supplied table of the application directory, opened.
    static std::unique_ptr<Table> supplied(const FamilyInfo &family)
    {
        auto t = std::make_unique<Table>(*family.table());
        t->setDirectory(qEnvironmentVariable("TOLMO_APPDIR"));
        t->setFileName(QString::fromLatin1(family.tableFile));
        t->open();
        return t;
    }

    // The background colours of the detail lines, page after page.
    static QList<QColor> lineColours(const ReportDocument &doc)
    {
        QList<QColor> colours;
        for (const ReportPage &page : doc.pages)
            for (const PlacedItem &item : page.items)
                if (item.kind == PlacedItem::Background && item.name == u"DetailBand1")
                    colours << item.colour;
        return colours;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
    }

    void tenLayoutsOnePerFamilyAndKind()
    {
        QCOMPARE(catalogue::layouts().size(), size_t(10));
        for (const FamilyInfo &f : allFamilies()) {
            for (CatalogueKind kind : {CatalogueKind::Properties, CatalogueKind::Detailing}) {
                const CatalogueLayout &layout = catalogue::layoutFor(f.family, kind);
                QCOMPARE(layout.kind, kind);
                QVERIFY(catalogue::layoutNamed(QString::fromLatin1(layout.className)) == &layout);
            }
        }
        QCOMPARE(QString::fromLatin1(catalogue::layoutFor(SectionFamily::HEM, CatalogueKind::Properties).className),
                 QStringLiteral("TCatILPPFm"));
        QCOMPARE(QString::fromLatin1(catalogue::layoutFor(SectionFamily::ANG, CatalogueKind::Detailing).className),
                 QStringLiteral("TCatAngDFm"));
    }

    void titles_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<SectionFamily>("family");
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("familyName");
        const auto P = CatalogueKind::Properties;
        const auto D = CatalogueKind::Detailing;
        QTest::newRow("IPE properties, whole") << "IPE" << SectionFamily::IPE << P << false
                                               << "Catalogue of IPE Sections" << "IPE Sections";
        QTest::newRow("IPE properties, selected") << "IPE" << SectionFamily::IPE << P << true
                                                  << "Group of Selected IPE Sections" << "IPE Sections";
        QTest::newRow("IPE detailing, selected") << "IPE" << SectionFamily::IPE << D << true
                                                 << "Group of Selected IPE Sections" << "IPE Sections";
        QTest::newRow("HEA properties, whole") << "HEA" << SectionFamily::HEA << P << false
                                               << "Catalogue of HEA Sections" << "HEA Sections";
        QTest::newRow("HEB detailing, whole") << "HEB" << SectionFamily::HEB << D << false
                                              << "Catalogue of HEB Sections" << "HEB Sections";
        QTest::newRow("HEM detailing, selected") << "HEM" << SectionFamily::HEM << D << true
                                                 << "Group of Selected HEM Sections" << "HEM Sections";
    }

    // The stored title "CatalogoT" never prints; the title follows the
    // selected flag, the HE family name the series.
    void titles()
    {
        QFETCH(QString, series);
        QFETCH(SectionFamily, family);
        QFETCH(CatalogueKind, kind);
        QFETCH(bool, selected);
        QFETCH(QString, title);
        QFETCH(QString, familyName);
        const auto t = table(series, 3);
        FamilyCatalogue report(family, kind);
        report.Ajusta(family, t.get(), selected);
        const ReportDocument doc = report.run(m_device);
        QCOMPARE(onlyText(doc, QStringLiteral("LBCatalogo")), title);
        QCOMPARE(onlyText(doc, QStringLiteral("LBPerfil")), familyName);
        QCOMPARE(doc.title, QStringLiteral("Raroda TOLMO Dudovavidira 2.01"));
    }

    // A selection prints only the rows the table's record filter accepts.
    void selectionPrintsTheAcceptedRows()
    {
        const auto t = table(QStringLiteral("IPE"), 5,
                             [](const Record &row) { return row.asFloat("h") >= 140; });
        FamilyCatalogue report(SectionFamily::IPE, CatalogueKind::Properties);
        report.Ajusta(SectionFamily::IPE, t.get(), true);
        const ReportDocument doc = report.run(m_device);
        QCOMPARE(doc.pages.size(), 1);
        QCOMPARE(texts(doc.pages[0], QStringLiteral("QRDBText_Designation")),
                 (QStringList{"IPE 140", "IPE 160", "IPE 180"}));
    }

    // The HE pair prints the series it is adjusted to, whatever other HE
    // tables are open.
    void hemCatalogueWhileHeaAndHebAreOpen()
    {
        const auto hea = table(QStringLiteral("HEA"), 4);
        const auto heb = table(QStringLiteral("HEB"), 4);
        const auto hem = table(QStringLiteral("HEM"), 4);
        FamilyCatalogue report(SectionFamily::HEM, CatalogueKind::Properties);
        report.Ajusta(SectionFamily::HEM, hem.get(), false);
        const ReportDocument doc = report.run(m_device);
        QCOMPARE(onlyText(doc, QStringLiteral("LBPerfil")), QStringLiteral("HEM Sections"));
        const QStringList designations = texts(doc.pages[0], QStringLiteral("QRDBText_Designation"));
        QCOMPARE(designations, (QStringList{"HEM 100", "HEM 120", "HEM 140", "HEM 160"}));
        // Every column of the line reads the HEM row: h of the fourth row.
        QCOMPARE(texts(doc.pages[0], QStringLiteral("QRDBText_h")).value(3), QStringLiteral("160"));
    }

    void ajustaRefusesAnotherFamily()
    {
        const auto t = table(QStringLiteral("IPE"), 1);
        FamilyCatalogue report(SectionFamily::IPE, CatalogueKind::Properties);
        QVERIFY_THROWS_EXCEPTION(ReportError, report.Ajusta(SectionFamily::HEB, t.get(), false));
    }

    // White, tinted, white, ... from the first line of the first page,
    // continuing across the page break; a second run starts white again.
    void lineColoursAlternateFromWhiteAcrossPages()
    {
        // The IPE detailing page takes 23 lines.
        const auto t = table(QStringLiteral("IPE"), 40);
        FamilyCatalogue report(SectionFamily::IPE, CatalogueKind::Detailing);
        report.Ajusta(SectionFamily::IPE, t.get(), false);
        const QColor tint = FamilyCatalogue::tintColour();
        QVERIFY(tint != QColor(Qt::white));
        for (int run = 0; run < 2; ++run) {
            const ReportDocument doc = report.run(m_device);
            QVERIFY2(doc.pages.size() >= 2, "forty lines must break the page");
            // The first page ends with an odd number of lines, so the second
            // page's first line shows the toggle did not restart.
            const int firstPageLines = texts(doc.pages[0], QStringLiteral("QRDBText_Designation")).size();
            QVERIFY(firstPageLines % 2 == 1);
            const QList<QColor> colours = lineColours(doc);
            QCOMPARE(colours.size(), 40);
            for (int i = 0; i < colours.size(); ++i)
                QCOMPARE(colours[i], i % 2 == 0 ? QColor(Qt::white) : tint);
        }
    }

    void versionLabelAfterTheSoftwareName_data()
    {
        QTest::addColumn<QString>("className");
        for (const CatalogueLayout &l : catalogue::layouts())
            QTest::newRow(l.className) << QString::fromLatin1(l.className);
    }

    // 2.1 mm (8 pixels at 96 per inch) between the name's right edge and the
    // version, on the same line, in English.
    void versionLabelAfterTheSoftwareName()
    {
        QFETCH(QString, className);
        const CatalogueLayout &layout = *catalogue::layoutNamed(className);
        FamilyCatalogue report(layout);
        // Without rows only a catalogue printed when empty has a page.
        const auto t = table(QStringLiteral("HEB"), 1);
        if (!layout.printIfEmpty)
            report.Ajusta(SectionFamily::HEB, t.get(), false);
        const ReportDocument doc = report.run(m_device);
        QVERIFY(!doc.pages.isEmpty());
        const PlacedItem soft = doc.pages[0].named(QStringLiteral("QRLabelSoft")).value(0);
        const PlacedItem version = doc.pages[0].named(QStringLiteral("QRLabelVersion")).value(0);
        QCOMPARE(version.text, QStringLiteral("Version 2.01"));
        QVERIFY2(qAbs(version.rect.left() - soft.rect.right() - 25.4 * 8 / 96) < 1e-3,
                 qPrintable(QStringLiteral("gap %1 mm").arg(version.rect.left() - soft.rect.right())));
    }

    // In Spanish every static text the dictionary has prints in Spanish, the
    // Spanish logo prints, and the version still follows the (here much
    // longer) software name by 2.1 mm.
    void spanishTextsLogoAndVersion()
    {
        const auto d = dictionary({{"Raroda TOLMO Dudovavidira", "Raroda TOLMO Dudovavidira de Perfiles"},
                                   {"Version 2.01", "Versión 2.01"},
                                   {"Geometrical and Mechanical Properties", "Propiedades geométricas y mecánicas"},
                                   {"IPE Sections", "Perfiles IPE"},
                                   {"Catalogue of IPE Sections", "Catálogo de perfiles IPE"},
                                   {"Designation", "Designación"},
                                   {"(*) - Available on request", "(*) - Disponible bajo pedido"}});
        const auto t = table(QStringLiteral("IPE"), 2);
        double englishSoftRight = 0;
        for (int language : {1, 2}) {
            AppContext context;
            context.setLanguage(Language(language));
            d->setLanguage(language);
            FamilyCatalogue report(SectionFamily::IPE, CatalogueKind::Properties);
            report.setContext(&context);
            report.Ajusta(SectionFamily::IPE, t.get(), false);
            const ReportDocument doc = report.run(m_device);
            const ReportPage &page = doc.pages[0];
            const PlacedItem soft = page.named(QStringLiteral("QRLabelSoft")).value(0);
            const PlacedItem version = page.named(QStringLiteral("QRLabelVersion")).value(0);
            QVERIFY(qAbs(version.rect.left() - soft.rect.right() - 25.4 * 8 / 96) < 1e-3);
            const PlacedItem logo = page.named(QStringLiteral("ImgLogo")).value(0);
            QCOMPARE(logo.kind, PlacedItem::Picture);
            const QString logoName = language == 1 ? QStringLiteral("logo-en") : QStringLiteral("logo-es");
            QCOMPARE(rendered(logo.picture), rendered(PrintPicture::fromFile(art::resourcePath(logoName))));
            if (language == 1) {
                englishSoftRight = soft.rect.right();
                QCOMPARE(onlyText(doc, QStringLiteral("LBCatalogo")), QStringLiteral("Catalogue of IPE Sections"));
                continue;
            }
            QVERIFY(soft.rect.right() > englishSoftRight + 10);
            QCOMPARE(soft.text, QStringLiteral("Raroda TOLMO Dudovavidira de Perfiles"));
            QCOMPARE(version.text, QStringLiteral("Versión 2.01"));
            QCOMPARE(onlyText(doc, QStringLiteral("QRLabelSubtitle")), QStringLiteral("Propiedades geométricas y mecánicas"));
            QCOMPARE(onlyText(doc, QStringLiteral("LBPerfil")), QStringLiteral("Perfiles IPE"));
            QCOMPARE(onlyText(doc, QStringLiteral("LBCatalogo")), QStringLiteral("Catálogo de perfiles IPE"));
            QCOMPARE(onlyText(doc, QStringLiteral("QRLabelSym_Designation")), QStringLiteral("Designación"));
            QCOMPARE(onlyText(doc, QStringLiteral("QRLabelNote")), QStringLiteral("(*) - Disponible bajo pedido"));
            // Values are data, never translated.
            QCOMPARE(texts(page, QStringLiteral("QRDBText_Designation")), (QStringList{"IPE 100", "IPE 120"}));
        }
        d->setLanguage(1);
    }

    // The HE family name is the series' own in Spanish too.
    void spanishHeFamilyName()
    {
        const auto d = dictionary({{"HEM Sections", "Perfiles HEM"},
                                   {"Group of Selected HEM Sections", "Grupo de perfiles HEM seleccionados"}});
        d->setLanguage(2);
        AppContext context;
        context.setLanguage(Language::Spanish);
        const auto t = table(QStringLiteral("HEM"), 1);
        FamilyCatalogue report(SectionFamily::HEM, CatalogueKind::Detailing);
        report.setContext(&context);
        report.Ajusta(SectionFamily::HEM, t.get(), true);
        const ReportDocument doc = report.run(m_device);
        d->setLanguage(1);
        QCOMPARE(onlyText(doc, QStringLiteral("LBPerfil")), QStringLiteral("Perfiles HEM"));
        QCOMPARE(onlyText(doc, QStringLiteral("LBCatalogo")), QStringLiteral("Grupo de perfiles HEM seleccionados"));
    }

    void emptySelection_data()
    {
        QTest::addColumn<SectionFamily>("family");
        QTest::addColumn<CatalogueKind>("kind");
        QTest::addColumn<bool>("page");
        QTest::newRow("HE properties: no page") << SectionFamily::HEB << CatalogueKind::Properties << false;
        QTest::newRow("HE detailing: one page") << SectionFamily::HEB << CatalogueKind::Detailing << true;
        QTest::newRow("IPE properties: one page") << SectionFamily::IPE << CatalogueKind::Properties << true;
        QTest::newRow("IPE detailing: one page") << SectionFamily::IPE << CatalogueKind::Detailing << true;
    }

    // A search that selects no row: the HE property catalogue produces no
    // page, the others a page with the headers and the closing note.
    void emptySelection()
    {
        QFETCH(SectionFamily, family);
        QFETCH(CatalogueKind, kind);
        QFETCH(bool, page);
        const QString series = QString::fromLatin1(familyInfo(family).key);
        const auto t = table(series, 3, [](const Record &) { return false; });
        QCOMPARE(t->recordCount(), 0);
        FamilyCatalogue report(family, kind);
        report.Ajusta(family, t.get(), true);
        const ReportDocument doc = report.run(m_device);
        if (!page) {
            QCOMPARE(doc.pages.size(), 0);
            return;
        }
        QCOMPARE(doc.pages.size(), 1);
        QCOMPARE(bandNames(doc.pages[0]),
                 (QStringList{"PageHeaderBand1", "ColumnHeaderBand1", "PageFooterBand1"}));
        QCOMPARE(onlyText(doc, QStringLiteral("QRLabelNote")), QStringLiteral("(*) - Available on request"));
        QCOMPARE(onlyText(doc, QStringLiteral("LBCatalogo")), QStringLiteral("Group of Selected %1 Sections").arg(series));
    }

    void suppliedTables_data()
    {
        QTest::addColumn<SectionFamily>("family");
        QTest::addColumn<CatalogueKind>("kind");
        for (const FamilyInfo &f : allFamilies()) {
            for (CatalogueKind kind : {CatalogueKind::Properties, CatalogueKind::Detailing}) {
                const QString name = QStringLiteral("%1-%2").arg(
                    QString::fromLatin1(f.key),
                    kind == CatalogueKind::Properties ? QStringLiteral("properties") : QStringLiteral("detailing"));
                QTest::newRow(qPrintable(name)) << f.family << kind;
            }
        }
    }

    // Every layout on its supplied table: one line per row in the table's
    // order, each value in its column (right edge, left edge or centre at
    // the heading's), no two texts of a line or of the column header
    // overlapping, everything inside the band width and every band inside
    // the page's margins.
    void suppliedTables()
    {
        if (!QDir(qEnvironmentVariable("TOLMO_APPDIR")).exists(QStringLiteral("HEB.DB")))
            QSKIP("the supplied tables are not built");
        QFETCH(SectionFamily, family);
        QFETCH(CatalogueKind, kind);
        const auto t = supplied(familyInfo(family));
        FamilyCatalogue report(family, kind);
        report.Ajusta(family, t.get(), false);
        const ReportDocument doc = report.run(m_device);
        QVERIFY(!doc.pages.isEmpty());
        QCOMPARE(doc.paper_mm, QSizeF(297, 210));

        QStringList designations;
        for (const ReportPage &page : doc.pages) {
            designations << texts(page, QStringLiteral("QRDBText_Designation"));
            for (const PlacedBand &band : page.bands) {
                QVERIFY(band.rect.top() >= 25 - kEps && band.rect.bottom() <= 210 - 15 + kEps);
                QVERIFY(band.rect.left() >= 15 - kEps && band.rect.right() <= 297 - 15 + kEps);
            }
            // Texts stay on the bands, but for the IPN detailing layout's
            // availability mark, right-aligned 2.7 mm into the band: "(*)"
            // reaches into the left margin there.
            for (const PlacedItem &item : page.items) {
                if (item.kind != PlacedItem::Text)
                    continue;
                const double margin = item.name == u"QRDBText_Supply" ? 5 : 15;
                QVERIFY2(item.rect.left() >= margin - kEps && item.rect.right() <= 297 - 15 + kEps,
                         qPrintable(item.name + u' ' + item.text));
            }
            // Texts of one line (or of the column header's symbol or unit
            // row) never overlap.
            QHash<QString, QList<QRectF>> lines;
            for (const PlacedItem &item : page.items) {
                if (item.kind != PlacedItem::Text || item.band.isEmpty() || item.band == u"PageHeaderBand1")
                    continue;
                const QString key = item.band + QString::number(qRound(item.rect.top() * 100));
                for (const QRectF &other : lines[key])
                    QVERIFY2(!other.intersects(item.rect), qPrintable(item.name + u' ' + item.text));
                lines[key] << item.rect;
            }
        }
        QStringList expected;
        const int field = t->fieldIndex(QStringLiteral("Designation"));
        for (int row = 0; row < t->recordCount(); ++row)
            expected << t->value(row, field).toString();
        QCOMPARE(designations, expected);

        // Columns under their headings, on the first page.
        const ReportPage &page = doc.pages[0];
        const double left = 15;
        for (const CatalogueColumn &c : report.layout().columns) {
            const QString field = QString::fromLatin1(c.field);
            QList<PlacedItem> placed = page.named(QStringLiteral("QRDBText_") + field);
            placed << page.named(QStringLiteral("QRLabelSym_") + field) << page.named(QStringLiteral("QRLabelUnit_") + field);
            // The availability mark has no heading and is blank on most rows.
            QVERIFY2(!placed.isEmpty() || field == u"Supply", qPrintable(field));
            for (const PlacedItem &item : placed) {
                if (item.text.isEmpty())
                    continue;
                const double at = c.align == ColumnAlign::Left    ? item.rect.left()
                                  : c.align == ColumnAlign::Right ? item.rect.right()
                                                                  : item.rect.center().x();
                QVERIFY2(qAbs(at - left - c.anchor_mm) < 1e-3,
                         qPrintable(QStringLiteral("%1 %2 at %3").arg(item.name, item.text).arg(at - left)));
            }
        }
    }

    // The UPN property catalogue's flange-slope table: the less-or-equal
    // sign stands in the gap of "h    300 mm", between "h" and "300".
    void flangeSlopeTable()
    {
        FamilyCatalogue report(SectionFamily::UPN, CatalogueKind::Properties);
        const ReportDocument doc = report.run(m_device);
        QCOMPARE(doc.pages.size(), 1);
        const PlacedItem heading = doc.pages[0].named(QStringLiteral("QRLabelSlopeLow")).value(0);
        const PlacedItem sign = doc.pages[0].named(QStringLiteral("QRLabelLessEqual")).value(0);
        QCOMPARE(heading.text, QStringLiteral("h    300 mm"));
        QCOMPARE(sign.text, QString(QChar(0x2264)));
        TextMeasure measure(m_device);
        const double gapLeft = heading.rect.left() + measure.width_mm(heading.font, QStringLiteral("h"));
        const double gapRight = heading.rect.left() + measure.width_mm(heading.font, QStringLiteral("h    "));
        QVERIFY(sign.rect.left() >= gapLeft - kEps);
        QVERIFY(sign.rect.right() <= gapRight + kEps);
        QCOMPARE(texts(doc.pages[0], QStringLiteral("QRLabelSlopeHigh")), QStringList{"h > 300 mm"});
        // No other catalogue has the table.
        FamilyCatalogue detailing(SectionFamily::UPN, CatalogueKind::Detailing);
        QVERIFY(detailing.run(m_device).pages[0].named(QStringLiteral("QRLabelSlopeLow")).isEmpty());
    }
};

QTEST_MAIN(TestFamilyCatalogue)
#include "tst_familycatalogue.moc"
