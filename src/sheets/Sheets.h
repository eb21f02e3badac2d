#pragma once

#include <functional>

class FamilyWindow;
class SectionSheet;

// The sheets as the family windows open them.
namespace sheets {

// Opens the sheet of a family window's current row: tab 0 the property
// sheet, tab 1 the detailing sheet (other tabs, or no current row: nothing).
// The sheet is shown modally and released when it closes, also when an
// error escapes. print, when given, runs (guarded) on the sheet's Print
// command.
void open(FamilyWindow *window, int tab, const std::function<void(SectionSheet &)> &print = {});

} // namespace sheets
