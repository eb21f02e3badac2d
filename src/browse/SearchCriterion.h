#pragma once

#include <cstdint>

// One range condition of a search: a plain value copied in and out of the
// search dialogs.
enum CriterionMode : std::int32_t { MoreThan = 0, LessThan = 1, Between = 2 };

struct SearchCriterion {
    bool Enabled = false;
    CriterionMode Mode = MoreThan;
    double Bound1 = 0;
    double Bound2 = 0;

    friend bool operator==(const SearchCriterion &, const SearchCriterion &) = default;
};

// Whether v meets the criterion: a disabled criterion accepts everything;
// bounds are included and a Between takes them in either order. Exact double
// comparisons on the unrounded value.
bool CriterionMet(const SearchCriterion &c, double v);
