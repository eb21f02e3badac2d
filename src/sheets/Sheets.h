#pragma once

class FamilyWindow;

// The sheets as the family windows open them.
namespace sheets {

// Makes the family windows' Data command open the sheets; called once at
// start-up.
void install();

// Opens the sheet of a family window's current row: tab 0 the property
// sheet, tab 1 the detailing sheet (other tabs: nothing). The family window
// has set app::SheetFamilyKey() already. The sheet is shown modally and
// released when it closes, also when an error escapes.
void open(FamilyWindow *window, int tab);

} // namespace sheets
