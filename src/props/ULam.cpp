#include "props/ULam.h"

#include "props/StoredOutline.h"

ULamProps PropULam(const ULamStored &row)
{
    ULamProps p = props::fromStoredOutline<ULamProps>(row);
    p.ys = row.ys;
    // The guard tests b alone: the flange tips lie b - ys from the centroid.
    p.Wz = p.b > 0 ? p.Iz / (p.b - p.ys) : 0;
    return p;
}
