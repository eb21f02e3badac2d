#pragma once

#include "data/SectionFamily.h"

#include <QList>

class FamilyWindow;
class TAceroFm;

// The Print buttons of the family windows and of the steel window: the
// catalogue of the tab shown.
namespace catalogueprint {

// Creates the catalogue of the window's current tab, shows it in the preview
// and frees it when the preview closes, also when an error escapes. The
// property and detailing tabs print the family catalogue on the window's own
// table, titled by the window's search of that kind ("Group of Selected ..."
// while one is in force); the tolerance tab prints the tolerance catalogue of
// the window's family code and profile key under the norm text the window
// shows, in its language.
void printFamilyWindow(FamilyWindow &window);

// The steel catalogue of the steel window's current page (mechanical,
// chemical, designations) on that page's table, previewed and freed likewise.
void printSteelWindow(TAceroFm &window);

// One catalogue of All Reports: a tab of a family window (0 properties,
// 1 detailing, 2 tolerances), or a page of the steel window when family is
// null (0 mechanical, 1 chemical, 2 designations).
struct Request {
    const FamilyInfo *family;
    int tab;
};
// The 24 catalogues of All Reports in the order they are previewed: each
// family in the order of the toolbar (HEB, HEA, HEM, IPE, IPN, UPN, angles)
// with its property, detailing and tolerance catalogue, then the three
// steel catalogues.
QList<Request> allReports();

} // namespace catalogueprint
