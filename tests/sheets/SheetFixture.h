#pragma once

// Family tables and windows for the sheet tests: a temporary application
// directory with one small table per family, a stand-in main window that
// hands out the family windows, and a help recorder.
#include "browse/SectionWindows.h"
#include "browse/Shell.h"
#include "browse/TestShell.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "data/Table.h"
#include "sheets/Sheets.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace sheettest {

inline QVariantMap withBolts(QVariantMap row, const char *gaugeMin, const char *gaugeMax, const QVariant &dmin,
                             const QVariant &dmax, const QVariant &bolt)
{
    row.insert(QString::fromLatin1(gaugeMin), dmin);
    row.insert(QString::fromLatin1(gaugeMax), dmax);
    row.insert(QStringLiteral("Dmax"), bolt);
    return row;
}

inline QVariantMap heRow(const char *name, double h, double b, double tw, double tf, double r, const QVariant &pmin,
                         const QVariant &pmax, const QVariant &bolt)
{
    return withBolts(fixture::heRow(QString::fromLatin1(name), h, b, tw, tf, r), "Pmin", "Pmax", pmin, pmax, bolt);
}

// HEB rows in file order; HEB 160 comes last, so a search for 150 mm < h <
// 350 mm accepts HEB 200, HEB 300 and HEB 160 and rejects the first and the
// fourth row.
inline const QStringList kHebOrder = {"HEB 100", "HEB 200", "HEB 300", "HEB 400", "HEB 160"};

// The stored values of the IPN 200 and UPN 200 rows (table units).
inline const QVariantMap kIpn200{
    {"Supply", ""},  {"Designation", "IPN 200"}, {"H", 200.0},   {"B", 90.0},    {"Tw", 7.5},     {"Tf", 11.3},
    {"R1", 7.5},     {"R2", 4.5},                {"D", 133.7},   {"A", 33.4},    {"Iy", 2140.0},  {"Wply", 250.0},
    {"Iz", 117.0},   {"Wplz", 43.5},             {"It", 6.02},   {"Iw", 10520.0}, {"AL", 0.709},  {"Avz", 13.96},
    {"Pmin", "50"},  {"Pmax", "54"},             {"Dmax", "M12"}, {"ss", 61.2},
};
inline const QVariantMap kUpn200{
    {"Supply", ""},  {"Designation", "UPN 200"}, {"H", 200.0},   {"B", 75.0},    {"Tw", 8.5},     {"Tf", 11.5},
    {"R1", 11.5},    {"R2", 6.0},                {"D", 151.0},   {"A", 32.2},    {"Iy", 1910.0},  {"Wply", 228.0},
    {"Iz", 148.0},   {"Wplz", 51.8},             {"ym", 3.94},   {"ys", 2.01},   {"It", 11.87},   {"Iw", 9070.0},
    {"AL", 0.661},   {"Avz", 20.34},             {"Emin", "25"}, {"Emax", "30"}, {"Dmax", "M20"}, {"ss", 52.5},
};

inline QVariantMap angleRow(const char *name, double h, double t, double r1, double r2, const char *emin,
                            const char *emax, const QVariant &bolt)
{
    QVariantMap m{{"Supply", ""}, {"Designation", QString::fromLatin1(name)}, {"H", h}, {"T", t}, {"R1", r1},
                  {"R2", r2}};
    return withBolts(m, "Emin", "Emax", QString::fromLatin1(emin), QString::fromLatin1(emax), bolt);
}

// Writes every family's table and an empty tolerance table into dir.
inline void writeTables(const QString &dir)
{
    fixture::writeTable(dir, "HEB.DB", decl::iLamParTable,
                        {heRow("HEB 100", 100, 100, 6, 10, 12, "56", "58", "M10"),
                         heRow("HEB 200", 200, 200, 9, 15, 18, "94", "106", "M27"),
                         heRow("HEB 300", 300, 300, 11, 19, 27, "120", "204", "M27"),
                         heRow("HEB 400", 400, 300, 13.5, 24, 27, "126", "198", "M27"),
                         heRow("HEB 160", 160, 160, 8, 13, 15, "76", "84", "M20")});
    // HEM: a deep section with a large warping constant, a section that
    // takes no bolt although its gauges are filled, and a row whose stored
    // dimensions and bolt are all empty.
    fixture::writeTable(dir, "HEM.DB", decl::iLamParTable,
                        {heRow("HEM 1000", 1008, 302, 21, 40, 30, "190", "196", "M27"),
                         heRow("HEM 100", 120, 106, 12, 20, 12, "54", "56", "-")});
    fixture::writeTable(dir, "IPE.DB", decl::iLamParTable,
                        {heRow("IPE 300", 300, 150, 7.1, 10.7, 15, "70", "86", "M24")});
    fixture::writeTable(dir, "IPN.db", decl::iLamIncTable, {kIpn200});
    QVariantMap upn80 = kUpn200;
    upn80.insert("Designation", "UPN 80");
    upn80.insert("Dmax", "-");
    fixture::writeTable(dir, "UPN.db", decl::uLamTable, {kUpn200, upn80});
    fixture::writeTable(dir, "Ang.db", decl::AngularTable,
                        {angleRow("L 100x100x10", 100, 10, 12, 6, "55", "60", "M24"),
                         angleRow("L 20x20x3", 20, 3, 3.5, 2, "12", "14", "-")});
    fixture::writeTable(dir, "TOL.DB", decl::TolTable, {});
}

// Opens the family window of a key ("HEB", "IPN", ...) as the main window
// would and registers it with the shell.
inline std::unique_ptr<FamilyWindow> openFamily(TestShell &shell, const QString &key)
{
    std::unique_ptr<FamilyWindow> w = makeFamilyWindow(key);
    shell.children.append(w.get());
    // As the main window does: the Data command asks for the sheet.
    QObject::connect(w.get(), &FamilyWindow::sheetRequested, w.get(),
                     [window = w.get()](int tab) { sheets::open(window, tab); });
    w->FormCreate();
    return w;
}

// Moves a family window's table onto the row of a designation.
inline void goTo(FamilyWindow &w, const QString &designation)
{
    QVERIFY2(w.sectionTable()->locate(QStringLiteral("Designation"), {designation}), qPrintable(designation));
}

inline QString designation(const FamilyWindow &w)
{
    return w.sectionTable()->field(QStringLiteral("Designation")).asString();
}

// A search as the user leaves it: criteria set and the Search button down,
// the table read again through the filter.
inline void search(FamilyWindow &w, int criterion, const SearchCriterion &c)
{
    (w.currentTab() == 0 ? w.PropertyCriteria(criterion) : w.DetailCriteria(criterion)) = c;
    w.findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(true);
    w.sectionTable()->close();
    w.sectionTable()->open();
}


// Restores the default locale when a test changed it.
struct LocaleGuard {
    QLocale saved;
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

} // namespace sheettest

#include "i18n/IvMemoryDictionary.h"

namespace sheettest {

// The program's dictionary as a memory dictionary: English and Spanish, the
// given Spanish texts, open on the native language.
inline std::unique_ptr<TIvMemoryDictionary> dictionary(const QList<QPair<QString, QString>> &spanish)
{
    auto d = std::make_unique<TIvMemoryDictionary>(nullptr, QStringLiteral("Dictionary1"));
    d->addLanguage(TIvMemoryDictionary::english());
    d->addLanguage(TIvMemoryDictionary::spanish());
    d->setBinding(ivbiLanguageToLocale);
    d->setSubLanguage(0);
    d->setLanguage(0);
    // The tests' number formats must not follow the dictionary's locale.
    d->setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
    for (const auto &[native, es] : spanish)
        d->addTranslation(native, {native, es});
    d->open();
    return d;
}

} // namespace sheettest
