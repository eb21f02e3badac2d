#pragma once

// One column of a grid: a field of the table, its title (nullptr: the
// field's display label) and its width in pixels (0: from the field's
// display width, or the grid's default).
struct GridColumn {
    const char *field;
    const char *title = nullptr;
    int widthPx = 0;
};
