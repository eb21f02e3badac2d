#pragma once

#include <span>

class Record;

// One search criterion of a family: the row of the search dialog and the
// quantity the record filter tests, from one entry, so they cannot disagree.
struct Criterion {
    // The dialog shows label + " (" + unit + ")".
    const char *label;
    // Names the row's components: check box component + "ChT", mode list
    // component + "CBT", bound boxes component + "1T" and + "2T".
    const char *component;
    const char *unit;
    // The quantity of a row, in the unit above.
    double (*value)(const Record &row);
    // The largest bound the row's boxes take.
    double largestBound;
    // The mode list's name where it is not component + "CBT".
    const char *listName = nullptr;
};

using Criteria = std::span<const Criterion>;
