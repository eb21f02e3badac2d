#include "reports/CataloguePrint.h"

#include "browse/FamilyWindow.h"
#include "data/SectionFamily.h"
#include "reports/FamilyCatalogue.h"
#include "reports/PreviewWindow.h"
#include "reports/ReportError.h"

namespace catalogueprint {

void printFamilyWindow(FamilyWindow &window)
{
    const int tab = window.currentTab();
    if (tab != 0 && tab != 1)
        return;
    const FamilyInfo *family = familyByKey(window.familyKey());
    if (!family)
        throw ReportError(QStringLiteral("No catalogue for the table %1").arg(window.familyKey()));
    const CatalogueKind kind = tab == 0 ? CatalogueKind::Properties : CatalogueKind::Detailing;
    FamilyCatalogue report(family->family, kind);
    report.setContext(&window.context());
    report.Ajusta(family->family, window.sectionTable(), window.Filtrado(tab + 1));
    reportpreview::preview(report, &window);
}

} // namespace catalogueprint
