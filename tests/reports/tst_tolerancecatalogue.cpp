// The tolerance catalogue on a small tolerance table: only the rows of its
// profile key in the current language, one framed picture each, the title of
// the family code, the norm text trimmed, the page header alone when the key
// has no rows, Spanish texts and logo.
#include "browse/Art.h"
#include "data/AppContext.h"
#include "data/Declarations.h"
#include "data/Table.h"
#include "i18n/IvDictionary.h"
#include "i18n/IvMemoryDictionary.h"
#include "reports/ToleranceCatalogue.h"
#include "support/Fixture.h"

#include <QBuffer>
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

// A PNG of one colour, size w x h: each row's picture is told apart by it.
QByteArray png(QColor colour, int w = 40, int h = 20)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QVariantMap row(const char *key, const char *language, const QString &name, QColor colour)
{
    return {{"Raroda", QString::fromLatin1(key)},
            {"Idioma", QString::fromLatin1(language)},
            {"Tolerancia", name},
            {"Figura", png(colour)}};
}

QStringList texts(const ReportDocument &doc, const QString &name)
{
    QStringList found;
    for (const ReportPage &page : doc.pages)
        for (const PlacedItem &item : page.named(name))
            found << item.text;
    return found;
}

// The colour in the middle of every printed figure, in printing order.
QList<QColor> figureColours(const ReportDocument &doc)
{
    QList<QColor> colours;
    for (const ReportPage &page : doc.pages) {
        for (const PlacedItem &item : page.named(QStringLiteral("FiguraDB"))) {
            QImage image(8, 8, QImage::Format_RGB32);
            QPainter painter(&image);
            item.picture.paint(painter, QRectF(0, 0, 8, 8));
            painter.end();
            colours << image.pixelColor(4, 4);
        }
    }
    return colours;
}

} // namespace

class TestToleranceCatalogue : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QImage m_device = device600();

    AppContext context(Language language) const
    {
        AppContext c;
        c.setAppDir(m_dir.path() + u'/');
        c.setLanguage(language);
        return c;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        fixture::writeTable(m_dir.path(), QStringLiteral("TOL.DB"), decl::TolTable,
                            {row("H", "EN", QStringLiteral("Height"), Qt::red),
                             row("H", "ES", QStringLiteral("Altura"), Qt::green),
                             row("UPN", "EN", QStringLiteral("Flange width"), Qt::blue),
                             row("H", "EN", QStringLiteral("Straightness"), Qt::yellow),
                             row("UPN", "ES", QStringLiteral("Anchura del ala"), Qt::cyan),
                             row("h", "EN", QStringLiteral("Lower-case key"), Qt::magenta),
                             row("UPN", "es", QStringLiteral("Lower-case language"), Qt::gray),
                             row("IPE", "EN", QStringLiteral("Web thickness"), Qt::black)});
    }

    void rowsOfTheKeyAndLanguage_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<QColor>>("colours");
        QTest::addColumn<QString>("title");
        QTest::newRow("HEA English") << 1 << "H" << 1 << QStringList{"Height", "Straightness"}
                                     << QList<QColor>{Qt::red, Qt::yellow} << "Catalogue of HEA Sections";
        // HEM prints the same tables as HEA under its own title.
        QTest::newRow("HEM English") << 3 << "H" << 1 << QStringList{"Height", "Straightness"}
                                     << QList<QColor>{Qt::red, Qt::yellow} << "Catalogue of HEM Sections";
        QTest::newRow("HEB Spanish") << 2 << "H" << 2 << QStringList{"Altura"} << QList<QColor>{Qt::green}
                                     << "Catalogue of HEB Sections";
        QTest::newRow("UPN Spanish") << 6 << "UPN" << 2 << QStringList{"Anchura del ala"}
                                     << QList<QColor>{Qt::cyan} << "Catalogue of UPN Sections";
        QTest::newRow("angles, no rows") << 7 << "ANG" << 1 << QStringList{} << QList<QColor>{}
                                         << "Catalogue of Equal Leg Angle Sections";
        QTest::newRow("unknown code keeps the stored title") << 9 << "IPE" << 1 << QStringList{"Web thickness"}
                                                             << QList<QColor>{Qt::black} << "CatalogoT";
    }

    // Exact, case-sensitive comparisons of key and language; one framed
    // picture per accepted row; the page header alone when none is accepted.
    void rowsOfTheKeyAndLanguage()
    {
        QFETCH(int, code);
        QFETCH(QString, key);
        QFETCH(int, language);
        QFETCH(QStringList, names);
        QFETCH(QList<QColor>, colours);
        QFETCH(QString, title);
        const AppContext c = context(Language(language));
        ToleranceCatalogue report(c);
        report.Ajusta(code, QStringLiteral("  In accordance with UNE-EN 10279:2001  "), key);
        const ReportDocument doc = report.run(m_device);
        QCOMPARE(doc.paper_mm, QSizeF(210, 297));
        QVERIFY(!doc.pages.isEmpty());
        QCOMPARE(texts(doc, QStringLiteral("ToleranciaDB")), names);
        QCOMPARE(figureColours(doc), colours);
        QCOMPARE(texts(doc, QStringLiteral("LBCatalogo")).value(0), title);
        QCOMPARE(texts(doc, QStringLiteral("Normatizacao")).value(0),
                 QStringLiteral("In accordance with UNE-EN 10279:2001"));
        QCOMPARE(doc.pages[0].bands.value(0).name, QStringLiteral("PageHeaderBand1"));
        // Each figure inside its frame, the frame on all four sides of the box.
        for (const ReportPage &page : doc.pages) {
            const QList<PlacedItem> figures = page.named(QStringLiteral("FiguraDB"));
            QCOMPARE(page.named(QStringLiteral("QRShapeFrameTop")).size(), figures.size());
            for (const PlacedBand &band : page.bands) {
                QVERIFY(band.rect.top() >= 15 - kEps && band.rect.bottom() <= 297 - 15 + kEps);
                if (band.name != u"DetailBand1")
                    continue;
                const QRectF box(band.rect.left() + 4.0, band.rect.top() + 7.4, 172.8, 98.2);
                bool found = false;
                for (const PlacedItem &f : figures)
                    found = found || box.adjusted(-kEps, -kEps, kEps, kEps).contains(f.rect);
                QVERIFY(found);
                for (const char *edge : {"QRShapeFrameTop", "QRShapeFrameBottom", "QRShapeFrameLeft", "QRShapeFrameRight"}) {
                    bool edged = false;
                    for (const PlacedItem &e : page.named(QString::fromLatin1(edge)))
                        edged = edged || (e.rect.intersects(box) && box.adjusted(-kEps, -kEps, kEps, kEps).contains(e.rect));
                    QVERIFY2(edged, edge);
                }
            }
        }
    }

    // In Spanish the texts and the logo are Spanish; the record filter
    // follows the context's language, not the dictionary's.
    void spanishTextsAndLogo()
    {
        auto d = std::make_unique<TIvMemoryDictionary>(nullptr, QStringLiteral("Dictionary1"));
        d->addLanguage(TIvMemoryDictionary::english());
        d->addLanguage(TIvMemoryDictionary::spanish());
        d->setBinding(ivbiLanguageToLocale);
        d->setSubLanguage(0);
        d->setLanguage(0);
        d->setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
        for (const auto &[native, es] : QList<QPair<QString, QString>>{
                 {"Catalogue of UPN Sections", "Catálogo de perfiles UPN"},
                 {"Tolerances on dimensions, shape and mass", "Tolerancias dimensionales, de forma y de masa"},
                 {"Version 2.01", "Versión 2.01"}})
            d->addTranslation(native, {native, es});
        d->open();
        d->setLanguage(2);
        const AppContext c = context(Language::Spanish);
        ToleranceCatalogue report(c);
        report.Ajusta(6, QStringLiteral("  Según UNE-EN 10279:2001"), QStringLiteral("UPN"));
        const ReportDocument doc = report.run(m_device);
        d->setLanguage(1);
        QCOMPARE(texts(doc, QStringLiteral("LBCatalogo")), QStringList{"Catálogo de perfiles UPN"});
        QCOMPARE(texts(doc, QStringLiteral("QRLabelSubtitle")),
                 QStringList{"Tolerancias dimensionales, de forma y de masa"});
        QCOMPARE(texts(doc, QStringLiteral("Normatizacao")), QStringList{"Según UNE-EN 10279:2001"});
        QCOMPARE(texts(doc, QStringLiteral("ToleranciaDB")), QStringList{"Anchura del ala"});
        const PlacedItem soft = doc.pages[0].named(QStringLiteral("QRLabelSoft")).value(0);
        const PlacedItem version = doc.pages[0].named(QStringLiteral("QRLabelVersion")).value(0);
        QCOMPARE(version.text, QStringLiteral("Versión 2.01"));
        QVERIFY(qAbs(version.rect.left() - soft.rect.right() - 25.4 * 8 / 96) < 1e-3);
        const PlacedItem logo = doc.pages[0].named(QStringLiteral("ImgLogo")).value(0);
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

    // A missing tolerance table is an error of Ajusta, not an empty report.
    void missingTableFails()
    {
        QTemporaryDir empty;
        AppContext c;
        c.setAppDir(empty.path() + u'/');
        ToleranceCatalogue report(c);
        bool failed = false;
        try {
            report.Ajusta(4, QStringLiteral("x"), QStringLiteral("IPE"));
        } catch (const std::exception &) {
            failed = true;
        }
        QVERIFY(failed);
    }
};

QTEST_MAIN(TestToleranceCatalogue)
#include "tst_tolerancecatalogue.moc"
