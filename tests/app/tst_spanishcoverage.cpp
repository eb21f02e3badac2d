// Every text the program looks up in its dictionary, walking every window and
// dialog in English, has a Spanish translation in the dictionary file the
// build makes. The texts that are never translated are set apart by one rule
// (neverTranslated below), not by a list.
#include "support/TestContext.h"
#include "app/ErrorReport.h"
#include "app/HelpViewer.h"
#include "app/TPrincipalFm.h"
#include "app/TSobreFm.h"
#include "browse/FamilyWindow.h"
#include "browse/TFiltroDAngFm.h"
#include "browse/TFiltroDetailFm.h"
#include "browse/TFiltroPAngFm.h"
#include "browse/TFiltroPropFm.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "i18n/IvBinaryDictionary.h"
#include "i18n/IvMemoryDictionary.h"
#include "reports/PreviewWindow.h"
#include "reports/Report.h"
#include "reports/ReportBand.h"
#include "reports/SheetPage.h"
#include "sheets/TShowDetailFm.h"
#include "sheets/TShowPropFm.h"
#include "support/Fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

QStringList g_reports;
void recordReport(const QString &, const QString &text) { g_reports << text; }
bool yes(QWidget *, const QString &) { return true; }

// A device to lay a report out for.
QImage device600()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(600 / 0.0254));
    image.setDotsPerMeterY(qRound(600 / 0.0254));
    return image;
}

// The reports of Print > All Reports, laid out as the preview would: their
// translators, titles and every text they print. (The preview window itself
// is walked on its own.)
int g_previews = 0;
void produce(Report &report, QWidget *)
{
    report.run(device600());
    ++g_previews;
}

// A dictionary that remembers every text it is asked for, by the translators,
// by TranslateString and, through the QTranslator an open dictionary installs,
// by Qt's own widgets. It answers with the native text itself, so the windows
// keep their English texts and no lookup falls back to a second form (a menu
// caption is asked once, with its "&").
class RecordingDictionary : public TIvMemoryDictionary {
public:
    RecordingDictionary() : TIvMemoryDictionary(nullptr, QStringLiteral("Dictionary1"))
    {
        addLanguage(TIvMemoryDictionary::english());
        addLanguage(TIvMemoryDictionary::spanish());
        setBinding(ivbiLanguageToLocale);
        setSubLanguage(0);
        setLanguage(0);
        // Number formats stay the test's own whatever the language.
        setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
    }

    std::optional<QString> plainLookup(const QString &native) const override
    {
        remember(native);
        return native;
    }
    std::optional<QString> contextLookup(const QString &native, const QString &, const QString &) const override
    {
        remember(native);
        return native;
    }

    // What the program was doing when a text was first asked for.
    QString stage;
    // The texts in the order they were first asked for, with their stage
    // (the lookups are const: remembering is not the dictionary's state).
    mutable QStringList texts;
    mutable QHash<QString, QString> firstStage;
    // While reports are produced: the texts they ask for are printed ones.
    bool printing = false;
    mutable QSet<QString> printed;

private:
    void remember(const QString &native) const
    {
        if (printing)
            printed.insert(native);
        if (!firstStage.contains(native)) {
            texts << native;
            firstStage.insert(native, stage);
        }
    }
};

// ---------------------------------------------------------------- the rule

// The units of the catalogue's quantities, as its labels write them.
const QString kUnit = QStringLiteral("(?:mm|cm|cm2|cm3|cm4|cm6|kg/m|kN/m|m2/m|m2/t|MPa|J|%|\u00B0C)");
// A quantity's symbol: a letter and at most three letters or digits of
// subscript ("h", "tw", "Wply", "pmin", "Iyz"); equal quantities are written
// together ("Iy=Iz", "ys=zs").
const QString kSymbol = QStringLiteral("[A-Za-z][A-Za-z0-9]{0,3}");
const QString kSymbols = kSymbol + QStringLiteral("(?:\\s*=\\s*") + kSymbol + QStringLiteral(")*");
// A number as the program writes one, with either decimal separator.
const QString kNumber = QStringLiteral("-?[0-9]+(?:[.,][0-9]+)?");

bool matches(const QString &pattern, const QString &text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

// A format's placeholders, "%1" to "%9".
const QRegularExpression kPlaceholder(QStringLiteral("%[1-9]"));

// Whether text is one of the asked formats ("%1 - [%2]") filled with asked
// texts.
bool filledFormat(const QString &text, const QSet<QString> &asked)
{
    for (const QString &format : asked) {
        if (!format.contains(kPlaceholder) || format == text)
            continue;
        QString pattern = QRegularExpression::escape(format);
        pattern.replace(QRegularExpression(QStringLiteral("\\\\?%[1-9]")), QStringLiteral("(.+)"));
        const QRegularExpressionMatch m = QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text);
        if (!m.hasMatch())
            continue;
        bool all = true;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            all = all && asked.contains(m.captured(i));
        if (all)
            return true;
    }
    return false;
}

// Why a text that a window, the code or Qt asked the dictionary for needs no
// Spanish entry, or an empty text when it needs one. A text needs none when
// it is
//  - empty or blank (the title of the "Supply" column is one space);
//  - a number (the values the section drawing shows);
//  - data: a designation or a tolerance title of the tables, shown as the
//    table holds it in the current language;
//  - a quantity label, a symbol followed by a unit of the catalogue in
//    brackets ("Wply (cm3)", "h  (mm)", "iy=iz (cm)", "fy (MPa)"); a word in
//    the brackets ("C (max)") or before them ("Thickness (mm)") makes it no
//    such label;
//  - a value label, symbols each followed by "=", a number or "-" (no value)
//    and optionally a unit ("h= 200 mm", "Iy = Iz = 176.66 cm4");
//  - a text built from another asked text followed by a number ("Record 1"
//    from "Record "): its words are those of the other text, which is
//    checked in its own right;
//  - asked words and numbers joined by blanks, at least one of them a number
//    (the preview's page position " Page 1 of 3", from "Page" and "of");
//  - a format with no word, only placeholders and signs ("%1 - [%2]"), or
//    such an asked format filled with asked texts (the main window's title
//    while a maximized child window shows its own in brackets);
//  - an address from the settings file, alone or after a one-word label and
//    a colon ("&www.raroda.example", "&Comercial:   comercial@..."): the
//    address is data, and the label is the company's own word;
//  - a key Qt asks its translators for that is not a text
//    ("QT_LAYOUT_DIRECTION": capitals, digits and underscores);
//  - signs and numbers without a letter (a rule of underscores, "\u2264",
//    "8%", a norm's number "36080-90"), or a norm's number of capitals
//    and digits ("EA-95");
//  - a unit alone, as the reports print it under a column's symbol;
//  - a formula: symbols, numbers and units joined by at least one operator
//    ("b / 2", "(b - tw) / 2", "h > 300 mm");
//  - a component's name stored as its text, which code replaces before
//    anything shows it ("CatalogoT": a word and the kind suffix of the
//    component names, T text, LB label, Bt button, Mn menu item);
//  - a symbol alone that a report prints ("Iy", "Iy=Iz", "C.E.", "uu",
//    "inc"): the column headings and the rows of the channels' flange-slope
//    table; a report prints words only in longer texts (titles, subtitles,
//    notes), and a short word a window shows ("OK", "of") is no symbol.
QString neverTranslated(const QString &text, const QSet<QString> &asked, const QSet<QString> &data,
                        const QSet<QString> &printed = {})
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("blank");
    if (matches(kNumber, text.trimmed()))
        return QStringLiteral("number");
    static const QRegularExpression anyLetter(QStringLiteral("\\p{L}"));
    if (!text.contains(anyLetter))
        return QStringLiteral("signs and numbers");
    if (matches(QStringLiteral("[A-Z]+-[0-9]+"), text))
        return QStringLiteral("norm number");
    if (matches(kUnit, text.trimmed()))
        return QStringLiteral("unit");
    if (matches(QStringLiteral("[A-Z][a-z]+(?:[A-Z][a-z]+)*(?:T|LB|Bt|Mn)"), text))
        return QStringLiteral("component name");
    const QString term = QStringLiteral("(?:") + kSymbol + QStringLiteral("|") + kNumber + QStringLiteral(")(?:\\s*")
                         + kUnit + QStringLiteral(")?");
    const QString op = QStringLiteral("\\s*[-+*/<>=\u2264\u2265]\\s*");
    if (matches(QStringLiteral("\\(?") + term + QStringLiteral("(?:") + op + QStringLiteral("\\(?") + term
                    + QStringLiteral("\\)?)+"),
                text.trimmed()))
        return QStringLiteral("formula");
    if (printed.contains(text) && matches(QStringLiteral("(?:") + kSymbols + QStringLiteral("|[A-Z](?:\\.[A-Z])+\\.)"),
                                          text))
        return QStringLiteral("symbol printed by a report");
    if (data.contains(text))
        return QStringLiteral("data");
    if (matches(kSymbols + QStringLiteral("\\s+\\(") + kUnit + QStringLiteral("\\)"), text))
        return QStringLiteral("quantity label");
    if (matches(QStringLiteral("(?:") + kSymbols + QStringLiteral("\\s*=\\s*)(?:") + kNumber
                    + QStringLiteral("|-)(?:\\s*") + kUnit + QStringLiteral(")?\\s*"),
                text))
        return QStringLiteral("value label");
    static const QRegularExpression trailingNumber(QStringLiteral("^(.+?)(") + kNumber + QStringLiteral(")$"));
    if (const QRegularExpressionMatch m = trailingNumber.match(text); m.hasMatch() && asked.contains(m.captured(1)))
        return QStringLiteral("built from \"%1\"").arg(m.captured(1));
    if (const QStringList words = text.split(u' ', Qt::SkipEmptyParts); words.size() > 1) {
        bool number = false;
        bool all = true;
        for (const QString &w : words) {
            const bool isNumber = matches(kNumber, w);
            number = number || isNumber;
            all = all && (isNumber || asked.contains(w));
        }
        if (number && all)
            return QStringLiteral("built from asked words and numbers");
    }
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (text.contains(kPlaceholder) && !QString(text).remove(kPlaceholder).contains(letter))
        return QStringLiteral("format without words");
    if (filledFormat(text, asked))
        return QStringLiteral("filled format");
    const QString bare = QString(text).remove(u'&');
    if (matches(QStringLiteral("(?:\\w+:\\s+)?(?:[\\w.+-]+@[\\w.-]+|www\\.[\\w.-]+|https?://\\S+)"), bare))
        return QStringLiteral("address");
    if (matches(QStringLiteral("[A-Z][A-Z0-9]*(?:_[A-Z0-9]+)+"), text))
        return QStringLiteral("Qt key");
    return QString();
}

// ------------------------------------------------------------ the windows

// Runs an action that shows a modal message box and answers the box with a
// button once it shows. The box's texts, its buttons' included, were asked
// for while it was built.
bool answerBox(const std::function<void()> &action, QMessageBox::StandardButton answer)
{
    bool answered = false;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->button(answer))
            return;
        answered = true;
        box->button(answer)->click();
    });
    timer.start();
    action();
    timer.stop();
    return answered;
}

} // namespace

class TestSpanishCoverage : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_appDir;
    QTemporaryDir m_spanishDir;
    QString m_dictionaryFile;
    // The table values the windows show as texts: designations and
    // tolerance titles.
    QSet<QString> m_data;

    void writeTable(const QString &dir, const char *file, const TableDecl &decl, const QList<QVariantMap> &rows)
    {
        fixture::writeTable(dir, QString::fromLatin1(file), decl, rows);
        for (const QVariantMap &row : rows)
            for (const char *field : {"Designation", "Tolerancia"})
                if (row.contains(QLatin1String(field)))
                    m_data.insert(row.value(QLatin1String(field)).toString());
    }

    void writeAppDir(const QString &dir, int languageCode)
    {
        const auto he = [](const char *name, double h, double b, double tw, double tf, double r, const char *pmin,
                           const char *pmax, const char *bolt) {
            QVariantMap row = fixture::heRow(QString::fromLatin1(name), h, b, tw, tf, r);
            row.insert("Supply", "(*)");
            row.insert("Pmin", pmin);
            row.insert("Pmax", pmax);
            row.insert("Dmax", bolt);
            return row;
        };
        writeTable(dir, "HEA.DB", decl::iLamParTable,
                   {he("HEA 200", 190, 200, 6.5, 10, 18, "94", "106", "M27"),
                    he("HEA 100", 96, 100, 5, 8, 12, "56", "58", "-")});
        writeTable(dir, "HEB.DB", decl::iLamParTable,
                   {he("HEB 200", 200, 200, 9, 15, 18, "94", "106", "M27"),
                    he("HEB 100", 100, 100, 6, 10, 12, "56", "58", "M10")});
        writeTable(dir, "HEM.DB", decl::iLamParTable, {he("HEM 200", 220, 206, 15, 25, 18, "96", "110", "M27")});
        writeTable(dir, "IPE.DB", decl::iLamParTable, {he("IPE 300", 300, 150, 7.1, 10.7, 15, "70", "86", "M24")});
        writeTable(dir, "IPN.db", decl::iLamIncTable,
                   {{{"Supply", ""},    {"Designation", "IPN 200"}, {"H", 200.0},    {"B", 90.0},     {"Tw", 7.5},
                     {"Tf", 11.3},      {"R1", 7.5},                {"R2", 4.5},     {"D", 133.7},    {"A", 33.4},
                     {"Iy", 2140.0},    {"Wply", 250.0},            {"Iz", 117.0},   {"Wplz", 43.5},  {"It", 6.02},
                     {"Iw", 10520.0},   {"AL", 0.709},              {"Avz", 13.96},  {"Pmin", "50"},  {"Pmax", "54"},
                     {"Dmax", "M12"},   {"ss", 61.2}}});
        writeTable(dir, "UPN.db", decl::uLamTable,
                   {{{"Supply", ""},    {"Designation", "UPN 200"}, {"H", 200.0},    {"B", 75.0},     {"Tw", 8.5},
                     {"Tf", 11.5},      {"R1", 11.5},               {"R2", 6.0},     {"D", 151.0},    {"A", 32.2},
                     {"Iy", 1910.0},    {"Wply", 228.0},            {"Iz", 148.0},   {"Wplz", 51.8},  {"ym", 3.94},
                     {"ys", 2.01},      {"It", 11.87},              {"Iw", 9070.0},  {"AL", 0.661},   {"Avz", 20.34},
                     {"Emin", "25"},    {"Emax", "30"},             {"Dmax", "-"},   {"ss", 52.5}}});
        writeTable(dir, "Ang.db", decl::AngularTable,
                   {{{"Supply", "(*)"}, {"Designation", "L 100x100x10"}, {"H", 100.0}, {"T", 10.0}, {"R1", 12.0},
                     {"R2", 6.0}, {"Emin", "55"}, {"Emax", "60"}, {"Dmax", "M24"}}});
        QList<QVariantMap> tolerances;
        for (const char *key : {"H", "IPE", "IPN", "UPN", "ANG"}) {
            tolerances.append({{"Raroda", key}, {"Idioma", "EN"}, {"Tolerancia", "Height"}});
            tolerances.append({{"Raroda", key}, {"Idioma", "EN"}, {"Tolerancia", "Flange width"}});
            tolerances.append({{"Raroda", key}, {"Idioma", "ES"}, {"Tolerancia", "Altura"}});
            tolerances.append({{"Raroda", key}, {"Idioma", "ES"}, {"Tolerancia", "Anchura del ala"}});
        }
        writeTable(dir, "TOL.DB", decl::TolTable, tolerances);
        writeTable(dir, "AceroMEC.db", decl::AceroMECTable,
                   {{{"Designation", "S235JR"}, {"Espesor", "<= 16"}, {"Fy", "235"}, {"Fu", "360-510"},
                     {"Alargamiento", "26"}, {"Resiliencia-JUL", "27"}, {"Resiliencia-TEMP", "20"}}});
        writeTable(dir, "AceroQUI.db", decl::AceroQUITable,
                   {{{"Tipo y Grado", "S235JR"}, {"Norma", "UNE-EN 10025"}, {"Espesor", "<= 16"}, {"C", "0,17"}}});
        writeTable(dir, "AceroDES.db", decl::AceroDESTable,
                   {{{"UNE-EN 10025", "S235JR"}, {"Alemania", "St 37-2"}, {"Francia", "E 24-2"}}});
        QFile ini(QDir(dir).filePath("PTolmo2.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QByteArray("[Idioma]\nCodigo=") + QByteArray::number(languageCode) + '\n');
    }

    // The built dictionary, open in Spanish.
    std::unique_ptr<TIvBinaryDictionary> spanishDictionary()
    {
        auto d = std::make_unique<TIvBinaryDictionary>(nullptr, QStringLiteral("Spanish"));
        d->setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
        d->setSubLanguage(0);
        d->setLanguage(0);
        d->setBinding(ivbiLanguageToLocale);
        d->setFileName(m_dictionaryFile);
        d->open();
        d->setLanguage(2);
        return d;
    }

    // Walks every window and dialog in English, then switches to Spanish and
    // back with all of them open, so texts written from code since are asked
    // for too.
    void walk(RecordingDictionary &recorder)
    {
        recorder.stage = QStringLiteral("main window");
        TPrincipalFm w(nullptr, m_appDir.path());
        QCOMPARE(w.context().language(), Language::English);

        recorder.stage = QStringLiteral("About window");
        {
            TSobreFm about(w.context(), &w);
        }

        struct Family {
            const char *key;
            void (TPrincipalFm::*open)();
        };
        const Family families[] = {{"HEB", &TPrincipalFm::HEBBtClick}, {"HEA", &TPrincipalFm::HEABtClick},
                                   {"HEM", &TPrincipalFm::HEMBtClick}, {"IPE", &TPrincipalFm::IPEBtClick},
                                   {"IPN", &TPrincipalFm::IPNBtClick}, {"UPN", &TPrincipalFm::UPNBtClick},
                                   {"ANG", &TPrincipalFm::AngBtClick}};
        for (const Family &f : families) {
            const QString key = QString::fromLatin1(f.key);
            recorder.stage = key + QStringLiteral(" window");
            (w.*f.open)();
            auto *window = qobject_cast<FamilyWindow *>(w.familyWindow(key));
            QVERIFY2(window, f.key);
            for (int tab : {1, 2, 0}) {
                recorder.stage = QStringLiteral("%1 window, tab %2").arg(key).arg(tab);
                window->selectTab(tab);
            }
            // The counter of a search in force, one that finds nothing.
            recorder.stage = key + QStringLiteral(" window, empty search");
            window->PropertyCriteria(1) = {true, MoreThan, 9999, 0};
            auto *search = window->findChild<QAbstractButton *>(QStringLiteral("BusquedaBt"));
            search->setChecked(true);
            window->PageControl1Change(0);
            search->setChecked(false);
            window->PageControl1Change(0);

            recorder.stage = key + QStringLiteral(" search dialogs");
            if (key == u"ANG") {
                TFiltroPAngFm property(familyInfo(SectionFamily::ANG).kind->propertyCriteria, window->context(), window);
                TFiltroDAngFm detail(familyInfo(SectionFamily::ANG).kind->detailCriteria, window->context(), window);
            } else {
                TFiltroPropFm property(familyInfo(SectionFamily::HEB).kind->propertyCriteria, window->context(), window);
                TFiltroDetailFm detail(familyInfo(SectionFamily::HEB).kind->detailCriteria, window->context(), window);
            }

            // Each sheet, and the page its Print command prints.
            recorder.stage = key + QStringLiteral(" property sheet");
            {
                TShowPropFm sheet(window);
                sheet.Atualiza(0);
                sheet.ProximoMnClick();
                recorder.stage = key + QStringLiteral(" property page");
                recorder.printing = true;
                sheetprint::pageOf(sheet)->run(device600());
                recorder.printing = false;
            }
            recorder.stage = key + QStringLiteral(" detailing sheet");
            {
                TShowDetailFm sheet(window);
                sheet.Atualiza(0);
                sheet.ProximoMnClick();
                recorder.stage = key + QStringLiteral(" detailing page");
                recorder.printing = true;
                sheetprint::pageOf(sheet)->run(device600());
                recorder.printing = false;
            }
        }

        recorder.stage = QStringLiteral("steel window");
        w.AceroBtClick();
        QWidget *steel = nullptr;
        for (QMdiSubWindow *sub : w.mdiArea()->subWindowList())
            if (sub->widget()->inherits("TAceroFm"))
                steel = sub->widget();
        QVERIFY(steel);
        auto *pages = steel->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
        for (int page : {1, 2, 0}) {
            recorder.stage = QStringLiteral("steel window, tab %1").arg(page);
            pages->setCurrentIndex(page);
        }

        // The catalogues: Print > All Reports, every report through a
        // preview, with a search in force in the HEB window so its
        // catalogues print as selections.
        recorder.stage = QStringLiteral("all reports");
        {
            auto *heb = qobject_cast<FamilyWindow *>(w.familyWindow(QStringLiteral("HEB")));
            heb->PropertyCriteria(1) = {true, MoreThan, 150, 0};
            heb->DetailCriteria(1) = {true, MoreThan, 150, 0};
            heb->findChild<QAbstractButton *>(QStringLiteral("BusquedaBt"))->setChecked(true);
            g_previews = 0;
            reportpreview::setPreviewer(produce);
            recorder.printing = true;
            w.findChild<QAction *>(QStringLiteral("ImpRelMn"))->trigger();
            recorder.printing = false;
            reportpreview::setPreviewer(nullptr);
            heb->findChild<QAbstractButton *>(QStringLiteral("BusquedaBt"))->setChecked(false);
            QCOMPARE(g_previews, 24);
        }

        // The preview window stays open through the language switches.
        recorder.stage = QStringLiteral("report preview");
        Report report;
        report.setPageSetup({QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), true});
        report.addBand(BandKind::PageHeader, QStringLiteral("PageHeaderBand1"), 20);
        PreviewWindow preview(report, &w);
        preview.produce();

        recorder.stage = QStringLiteral("missing help file");
        QVERIFY(answerBox([&] { w.IndiceMnClick(); }, QMessageBox::Ok));
        // The help window over the built help, with its contents, index and
        // search; it stays open through the language switches.
        recorder.stage = QStringLiteral("help window");
        for (const QFileInfo &help : QDir(qEnvironmentVariable("TOLMO_APPDIR")).entryInfoList({"*.hlp"}, QDir::Files))
            QVERIFY(QFile::copy(help.absoluteFilePath(), QDir(m_appDir.path()).filePath(help.fileName())));
        w.IndiceMnClick();
        if (QGuiApplication::platformName() == u"offscreen") {
            // The offscreen platform opens no address, so the program says
            // so; elsewhere the desktop would open a browser.
            recorder.stage = QStringLiteral("address that cannot be opened");
            QVERIFY(answerBox([&] { w.SiteTolmoMnClick(); }, QMessageBox::Ok));
        }
        recorder.stage = QStringLiteral("exit question");
        QVERIFY(answerBox([&] { w.close(); }, QMessageBox::No));

        // Switching with every window open: each window asks again for the
        // texts it shows, those the code wrote since included.
        recorder.stage = QStringLiteral("switch to Spanish");
        w.ChangeIdioma(Language::Spanish);
        recorder.setLanguage(2);
        recorder.stage = QStringLiteral("switch back to English");
        w.ChangeIdioma(Language::English);
        recorder.setLanguage(1);

        w.setExitConfirmation(yes);
        QVERIFY2(g_reports.isEmpty(), qPrintable(g_reports.join(u'\n')));
        delete HelpViewer::current();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_appDir.isValid() && m_spanishDir.isValid());
        // The help window's collection goes to a cache folder of the test's own.
        QStandardPaths::setTestModeEnabled(true);
        const QString built = qEnvironmentVariable("TOLMO_APPDIR") + QStringLiteral("/PTolmo2.dll");
        if (!QFile::exists(built))
            QSKIP("the dictionary file is not built");
        m_dictionaryFile = QDir(m_spanishDir.path()).filePath(QStringLiteral("PTolmo2.dll"));
        QVERIFY(QFile::copy(built, m_dictionaryFile));
        // The walk runs without a dictionary file of its own: the recorder is
        // the only dictionary that translates.
        writeAppDir(m_appDir.path(), 1);
        writeAppDir(m_spanishDir.path(), 2);
        errorreport::setPresenter(recordReport);
    }

    void everyTextHasASpanishEntry()
    {
        QStringList asked;
        QHash<QString, QString> stages;
        QSet<QString> printed;
        {
            RecordingDictionary recorder;
            recorder.open();
            recorder.setLanguage(1);
            QVERIFY(TIvDictionaries::defaultDictionary() == &recorder);
            walk(recorder);
            if (QTest::currentTestFailed())
                return;
            asked = recorder.texts;
            stages = recorder.firstStage;
            printed = recorder.printed;
        }
        // The walk reached the texts of every kind of window.
        for (const char *text : {"&File", "Section Search", "Previous section", "Steels", "Record ", "No size matches",
                                 "%1 of %2 sizes", "dmax bolt",
                                 "Do you want to exit?", "The help file %1 is missing.", "Print Preview", "Page",
                                 "Zoom to width", "Save as PDF...", "Catalogue of HEB Sections",
                                 "Group of Selected HEB Sections", "Steel Catalogue", "Equivalent designations",
                                 "Tolerances on dimensions, shape and mass", "Geometrical and Mechanical Properties",
                                 "Dimensions for Detailing", "Version 2.01", "Contents", "Search for:"})
            QVERIFY2(asked.contains(QString::fromUtf8(text)), text);

        const QSet<QString> askedSet(asked.cbegin(), asked.cend());
        const std::unique_ptr<TIvBinaryDictionary> spanish = spanishDictionary();
        QVERIFY(spanish->isOpen());
        QStringList missing;
        for (const QString &text : asked) {
            if (!neverTranslated(text, askedSet, m_data, printed).isEmpty())
                continue;
            const std::optional<QString> es = spanish->plainLookup(text);
            if (!es || es->isEmpty())
                missing << QStringLiteral("\"%1\" (%2)").arg(text, stages.value(text));
        }
        // One line each: a long list would be cut in the failure message.
        for (const QString &m : missing)
            qWarning().noquote() << "without a Spanish entry:" << m;
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 texts without a Spanish entry").arg(missing.size())));
    }

    void ruleSetsApartOnlyWhatIsNeverTranslated_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exempt");
        QTest::newRow("dimension label") << "h= 200 mm" << true;
        QTest::newRow("equal quantities value") << "Iy = Iz = 176.66 cm4" << true;
        QTest::newRow("symbol and unit") << "Wply (cm3)" << true;
        QTest::newRow("symbol, two blanks, unit") << "h  (mm)" << true;
        QTest::newRow("equal quantities and unit") << "iy=iz (cm)" << true;
        QTest::newRow("stress unit") << "fy (MPa)" << true;
        QTest::newRow("number") << "134.0" << true;
        QTest::newRow("counter") << "Record 1" << true;
        QTest::newRow("page position") << " Page 1 of 3" << true;
        QTest::newRow("asked words without a number") << "Page of" << false;
        QTest::newRow("page position with a word never asked") << " Sheet 1 of 3" << false;
        QTest::newRow("designation") << "HEB 200" << true;
        QTest::newRow("blank title") << " " << true;
        QTest::newRow("format without words") << "%1 - [%2]" << true;
        QTest::newRow("filled format") << "Raroda TOLMO Dudovavidira 2.01 - [Steels]" << true;
        QTest::newRow("address") << "&Comercial:   comercial@raroda.example" << true;
        QTest::newRow("Qt key") << "QT_LAYOUT_DIRECTION" << true;
        QTest::newRow("format with words") << "The help file %1 is missing." << false;
        QTest::newRow("format filled with other texts") << "Raroda TOLMO Dudovavidira 2.01 - [Aceros]" << false;
        QTest::newRow("word and unit") << "Thickness (mm)" << false;
        QTest::newRow("word in brackets") << "C (max)" << false;
        QTest::newRow("word and percent") << "Minimum elongation (%)" << false;
        QTest::newRow("counter prefix") << "Record " << false;
        QTest::newRow("words with a number") << "Version 2.01" << false;
        QTest::newRow("phrase with a symbol") << "dmax bolt" << false;
        QTest::newRow("Qt button") << "OK" << false;
        QTest::newRow("menu caption") << "&Comercial" << false;
        QTest::newRow("rule of underscores") << "______" << true;
        QTest::newRow("less-or-equal sign") << "\u2264" << true;
        QTest::newRow("norm number") << "EA-95" << true;
        QTest::newRow("norm name") << "Spain-NBE" << false;
        QTest::newRow("unit alone") << "kN/m" << true;
        QTest::newRow("percentage") << "8%" << true;
        QTest::newRow("formula") << "(b - tw) / 2" << true;
        QTest::newRow("comparison") << "h > 300 mm" << true;
        QTest::newRow("words joined by a sign") << "Steel / Grade" << false;
        QTest::newRow("component name") << "CatalogoT" << true;
        QTest::newRow("capitalised word") << "Catalogue" << false;
        QTest::newRow("symbol printed") << "uu" << true;
        QTest::newRow("equal symbols printed") << "Iy=Iz" << true;
        QTest::newRow("abbreviation printed") << "C.E." << true;
        QTest::newRow("symbol not printed") << "uu" << false;
        QTest::newRow("short word of a window") << "OK" << false;
    }

    void ruleSetsApartOnlyWhatIsNeverTranslated()
    {
        QFETCH(QString, text);
        QFETCH(bool, exempt);
        const QSet<QString> asked{QStringLiteral("Record "), QStringLiteral("%1 - [%2]"), QStringLiteral("Page"),
                                  QStringLiteral("of"),
                                  QStringLiteral("Raroda TOLMO Dudovavidira 2.01"), QStringLiteral("Steels")};
        const QSet<QString> data{QStringLiteral("HEB 200")};
        const QSet<QString> printed{QStringLiteral("uu"), QStringLiteral("Iy=Iz"), QStringLiteral("C.E.")};
        const QString why = neverTranslated(text, asked, data, QString::fromLatin1(QTest::currentDataTag()).contains(
                                                                   u"not printed") ? QSet<QString>() : printed);
        QVERIFY2(why.isEmpty() != exempt, qPrintable(why));
    }

    void translationsReadAsExpected_data()
    {
        QTest::addColumn<QString>("native");
        QTest::addColumn<QString>("spanish");
        QTest::newRow("menu") << "&File" << "&Archivo";
        QTest::newRow("family") << "HEB Sections" << "Perfiles HEB";
        QTest::newRow("angles") << "Equal Leg Angle Sections" << "Angulares de lados iguales";
        QTest::newRow("counter") << "Record " << "Registro ";
        QTest::newRow("steel tab") << "Chemical Composition" << "Composición química";
        QTest::newRow("steel column") << "Minimum elongation (%)" << "Alargamiento mínimo (%)";
        QTest::newRow("country") << "United Kingdom" << "Reino Unido";
        QTest::newRow("report title") << "Catalogue of HEB Sections" << "Catálogo de perfiles HEB";
        QTest::newRow("Qt button") << "&Yes" << "&Sí";
        QTest::newRow("question") << "Do you want to exit?" << "¿Desea salir?";
    }

    void translationsReadAsExpected()
    {
        QFETCH(QString, native);
        QFETCH(QString, spanish);
        const std::unique_ptr<TIvBinaryDictionary> d = spanishDictionary();
        QCOMPARE(d->plainLookup(native).value_or(QString()), spanish);
    }

    // In Spanish every menu item keeps one hotkey, and no two items of a
    // menu share one.
    void spanishMenusHaveDistinctHotkeys()
    {
        TPrincipalFm w(nullptr, m_spanishDir.path());
        w.setExitConfirmation(yes);
        QCOMPARE(w.context().language(), Language::Spanish);
        QCOMPARE(w.findChild<QAction *>(QStringLiteral("ArquivoMn"))->text(), QStringLiteral("&Archivo"));
        w.HEBBtClick();
        auto *window = qobject_cast<FamilyWindow *>(w.familyWindow(QStringLiteral("HEB")));
        QVERIFY(window);
        TShowPropFm sheet(window);

        QList<QPair<QString, QList<QAction *>>> menus;
        menus.append({QStringLiteral("menu bar"), w.menuBar()->actions()});
        // The menus of the menu bar, the Windows menus Qt gives each child
        // window and the sheet's context menu.
        for (QMenu *m : w.findChildren<QMenu *>())
            menus.append({m->title().isEmpty() ? m->objectName() : m->title(), m->actions()});
        for (const auto &[menu, actions] : menus) {
            QHash<QChar, QString> taken;
            for (QAction *a : actions) {
                if (a->isSeparator())
                    continue;
                const QString text = a->text();
                const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("&([^&])")).match(text);
                QVERIFY2(m.hasMatch(), qPrintable(QStringLiteral("%1: \"%2\" has no hotkey").arg(menu, text)));
                const QChar key = m.captured(1).at(0).toLower();
                QVERIFY2(!taken.contains(key), qPrintable(QStringLiteral("%1: \"%2\" and \"%3\" share the hotkey %4")
                                                              .arg(menu, taken.value(key), text, key)));
                taken.insert(key, text);
            }
        }
    }
};

QTEST_MAIN(TestSpanishCoverage)
#include "tst_spanishcoverage.moc"
