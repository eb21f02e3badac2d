#pragma once

// Connects the windows of the upper libraries to the ones that open them
// (sheets to the family windows, the steel window to the main window).
namespace startup {
void installWindows();
}
