// Reports written as PDF: pages, paper size and orientation, the title, one
// file holding several reports, and the failures that leave no file.
#include "ReportFixture.h"
#include "reports/ReportError.h"
#include "reports/ReportOutput.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace reportfixture;

namespace {

struct PdfPage {
    double width_pt;
    double height_pt;
};

// The pages of a PDF as Qt writes it: one "/Type /Page" dictionary per
// page, each with its MediaBox.
QList<PdfPage> pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());
    QList<PdfPage> pages;
    static const QRegularExpression page(QStringLiteral("<<[^<>]*/Type\\s*/Page\\b(?!s)[^<>]*>>"));
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)\\s*\\]"));
    for (const QRegularExpressionMatch &m : page.globalMatch(text)) {
        const QRegularExpressionMatch b = box.match(m.captured(0));
        if (b.hasMatch())
            pages.append({b.captured(3).toDouble() - b.captured(1).toDouble(),
                          b.captured(4).toDouble() - b.captured(2).toDouble()});
    }
    return pages;
}

// A4 in points.
constexpr double kShort = 210 / 25.4 * 72;
constexpr double kLong = 297 / 25.4 * 72;

bool isA4(const PdfPage &p, QPageLayout::Orientation orientation)
{
    const double w = orientation == QPageLayout::Portrait ? kShort : kLong;
    const double h = orientation == QPageLayout::Portrait ? kLong : kShort;
    return qAbs(p.width_pt - w) < 1 && qAbs(p.height_pt - h) < 1;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<Table> m_table;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        fixture::writeTable(m_dir.path(), QStringLiteral("HEB.DB"), decl::iLamParTable, hebRows(10));
        m_table = hebTable(m_dir.path(), QStringLiteral("HEB.DB"));
    }

    void pagesAndPaper_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::newRow("portrait") << int(QPageLayout::Portrait);
        QTest::newRow("landscape") << int(QPageLayout::Landscape);
    }

    // The PDF has the pages of the layout, A4 in the report's orientation,
    // and the report's title; the report ran once for it.
    void pagesAndPaper()
    {
        QFETCH(int, orientation);
        const auto report = catalogue(m_table.get());
        PageSetup page = report->pageSetup();
        page.orientation = QPageLayout::Orientation(orientation);
        report->setPageSetup(page);
        int runs = 0;
        report->setBeforeRun([&] {
            ++runs;
            report->setTitle(QStringLiteral("Raroda TOLMO Dudovavidira 2.01"));
        });
        const QString path = m_dir.filePath(QStringLiteral("catalogue.pdf"));
        reportoutput::writePdf(*report, path);
        QCOMPARE(runs, 1);
        const QList<PdfPage> pages = pdfPages(path);
        // Portrait: 217 mm under the headers, four 50 mm lines a page and the
        // summary on a page of its own; landscape: 130 mm, two lines a page.
        QCOMPARE(pages.size(), orientation == QPageLayout::Portrait ? 3 : 5);
        for (const PdfPage &p : pages)
            QVERIFY2(isA4(p, QPageLayout::Orientation(orientation)),
                     qPrintable(QStringLiteral("%1 x %2").arg(p.width_pt).arg(p.height_pt)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        // Qt writes the title in the document information as UTF-16 with a
        // byte order mark.
        QByteArray title("/Title (\xFE\xFF");
        for (QChar c : QStringLiteral("Raroda TOLMO Dudovavidira 2.01"))
            title.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
        QVERIFY(bytes.contains(title + ')'));
    }

    // Several reports go into one file in order, each page in its own
    // report's orientation; a report without pages adds none.
    void severalReportsInOneFile()
    {
        const auto portrait = catalogue(m_table.get());
        const auto landscape = catalogue(m_table.get());
        PageSetup page = landscape->pageSetup();
        page.orientation = QPageLayout::Landscape;
        landscape->setPageSetup(page);
        Table empty(decl::iLamParTable);
        fixture::writeTable(m_dir.path(), QStringLiteral("EMPTY.DB"), decl::iLamParTable, {});
        empty.setDirectory(m_dir.path());
        empty.setFileName(QStringLiteral("EMPTY.DB"));
        const auto nothing = catalogue(&empty);
        const QString path = m_dir.filePath(QStringLiteral("several.pdf"));
        reportoutput::writePdf({portrait.get(), nothing.get(), landscape.get()}, path);
        const QList<PdfPage> pages = pdfPages(path);
        QCOMPARE(pages.size(), 3 + 5);
        for (int i = 0; i < pages.size(); ++i)
            QVERIFY(isA4(pages[i], i < 3 ? QPageLayout::Portrait : QPageLayout::Landscape));

        // Nothing but empty reports: one blank page, still a PDF.
        reportoutput::writePdf(*nothing, path);
        QCOMPARE(pdfPages(path).size(), 1);
    }

    // A file that cannot be written, or a report that fails, leaves no file
    // and no partial one behind; an existing file stays as it was.
    void failuresLeaveNoFile()
    {
        const auto report = catalogue(m_table.get());
        const QString missingDir = m_dir.filePath(QStringLiteral("no/such/dir/out.pdf"));
        QVERIFY_THROWS_EXCEPTION(ReportError, reportoutput::writePdf(*report, missingDir));
        QVERIFY(!QFile::exists(missingDir));

        const QString path = m_dir.filePath(QStringLiteral("kept.pdf"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        report->setBeforeRun([] { throw ReportError(QStringLiteral("The table cannot be read.")); });
        QVERIFY_THROWS_EXCEPTION(ReportError, reportoutput::writePdf(*report, path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("kept.pdf*")}, QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
