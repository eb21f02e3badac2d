#include "reports/CataloguePrint.h"

#include "browse/FamilyWindow.h"
#include "browse/TAceroFm.h"
#include "data/SectionFamily.h"
#include "data/Table.h"
#include "reports/FamilyCatalogue.h"
#include "reports/PreviewWindow.h"
#include "reports/ReportError.h"
#include "reports/SteelCatalogue.h"
#include "reports/ToleranceCatalogue.h"

#include <QLabel>

namespace catalogueprint {

namespace {

void printTolerances(FamilyWindow &window, const FamilyInfo &family)
{
    // The norm text as the window shows it now, already translated.
    const QLabel *norm = window.findChild<QLabel *>(QStringLiteral("NormaT"));
    if (!norm)
        throw ReportError(QStringLiteral("The window %1 shows no norm").arg(window.objectName()));
    ToleranceCatalogue report(window.context());
    report.Ajusta(ToleranceCatalogue::familyCode(family.family), norm->text(),
                  QString::fromLatin1(family.toleranceKey()));
    reportpreview::preview(report, &window);
    report.table()->close();
}

} // namespace

void printFamilyWindow(FamilyWindow &window)
{
    const int tab = window.currentTab();
    if (tab < 0 || tab > 2)
        return;
    const FamilyInfo *family = familyByKey(window.familyKey());
    if (!family)
        throw ReportError(QStringLiteral("No catalogue for the table %1").arg(window.familyKey()));
    if (tab == 2) {
        printTolerances(window, *family);
        return;
    }
    const CatalogueKind kind = tab == 0 ? CatalogueKind::Properties : CatalogueKind::Detailing;
    FamilyCatalogue report(family->family, kind);
    report.setContext(&window.context());
    report.Ajusta(family->family, window.sectionTable(), window.Filtrado(tab + 1));
    reportpreview::preview(report, &window);
}

QList<Request> allReports()
{
    const SectionFamily order[] = {SectionFamily::HEB, SectionFamily::HEA, SectionFamily::HEM, SectionFamily::IPE,
                                   SectionFamily::IPN, SectionFamily::UPN, SectionFamily::ANG};
    QList<Request> requests;
    for (SectionFamily family : order)
        for (int tab = 0; tab < 3; ++tab)
            requests.append({&familyInfo(family), tab});
    for (int page = 0; page < 3; ++page)
        requests.append({nullptr, page});
    return requests;
}

void printSteelWindow(TAceroFm &window)
{
    const int page = window.currentPage();
    SteelCatalogue report(page, &window.context());
    report.setDataSource(window.table(page));
    reportpreview::preview(report, &window);
}

} // namespace catalogueprint
