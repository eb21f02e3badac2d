#pragma once

class FamilyWindow;

// The Print button of a family window: the catalogue of the tab shown.
namespace catalogueprint {

// Creates the family catalogue of the window's current tab (properties or
// detailing) on the window's own table, titled by the window's search of
// that kind ("Group of Selected ..." while one is in force), shows it in the
// preview and frees it when the preview closes, also when an error escapes.
// The tolerance tab's catalogue is not there yet: on that tab it does
// nothing.
void printFamilyWindow(FamilyWindow &window);

} // namespace catalogueprint
