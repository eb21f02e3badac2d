#include "props/ILamInc.h"

#include "props/StoredOutline.h"

ILamIncProps PropILamInc(const ILamIncStored &row)
{
    ILamIncProps p = props::fromStoredOutline<ILamIncProps>(row);
    p.Wz = p.b > 0 ? 2 * p.Iz / p.b : 0;
    return p;
}
