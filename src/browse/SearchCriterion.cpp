#include "browse/SearchCriterion.h"

bool CriterionMet(const SearchCriterion &c, double v)
{
    if (!c.Enabled)
        return true;
    switch (c.Mode) {
    case MoreThan:
        return v >= c.Bound1;
    case LessThan:
        return v <= c.Bound1;
    case Between:
        if (c.Bound1 < c.Bound2)
            return c.Bound1 <= v && v <= c.Bound2;
        return c.Bound2 <= v && v <= c.Bound1;
    }
    return true;
}
