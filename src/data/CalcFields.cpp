#include "data/CalcFields.h"

#include "data/Record.h"

ILamParDims iLamParInput(const Record &row)
{
    return {row.asFloat("h"), row.asFloat("b"), row.asFloat("tw"), row.asFloat("tf"), row.asFloat("R")};
}

ILamIncStored iLamIncInput(const Record &row)
{
    return {row.asFloat("H"),  row.asFloat("B"),    row.asFloat("A"),
            row.asFloat("Iy"), row.asFloat("Iz"),   row.asFloat("Wply"),
            row.asFloat("Wplz"), row.asFloat("AL"), row.asFloat("ss")};
}

ULamStored uLamInput(const Record &row)
{
    return {row.asFloat("H"),    row.asFloat("B"),    row.asFloat("A"),
            row.asFloat("Iy"),   row.asFloat("Iz"),   row.asFloat("Wply"),
            row.asFloat("Wplz"), row.asFloat("ys"),   row.asFloat("AL"),
            row.asFloat("ss")};
}

AngularDims angularInput(const Record &row)
{
    return {row.asFloat("H"), row.asFloat("T"), row.asFloat("R1"), row.asFloat("R2")};
}

void iLamParTableCalcFields(Record &row)
{
    const ILamParProps p = PropILamPar(iLamParInput(row));
    // Clear heights and stiff bearing length are shown in mm.
    row.setFloat("d", p.d * 10);
    row.setFloat("hi", p.hi * 10);
    row.setFloat("A", p.A);
    row.setFloat("M", p.M);
    row.setFloat("P", p.P);
    row.setFloat("Iy", p.Iy);
    row.setFloat("Iz", p.Iz);
    row.setFloat("Wy", p.Wy);
    row.setFloat("Wz", p.Wz);
    row.setFloat("Wply", p.Wply);
    row.setFloat("Wplz", p.Wplz);
    row.setFloat("It", p.It);
    row.setFloat("Iw", p.Iw);
    row.setFloat("AL", p.AL);
    row.setFloat("AG", p.AG);
    row.setFloat("Avz", p.Avz);
    row.setFloat("Sy", p.Sy);
    row.setFloat("ry", p.iy);
    row.setFloat("rz", p.iz);
    row.setFloat("ssy", p.sy);
    row.setFloat("ss", p.ss * 10);
}

namespace {

// IPN and UPN derive the same nine fields from their stored properties.
template <typename Props> void writeDerived(Record &row, const Props &p)
{
    row.setFloat("M", p.M);
    row.setFloat("P", p.P);
    row.setFloat("Wy", p.Wy);
    row.setFloat("ry", p.iy);
    row.setFloat("Wz", p.Wz);
    row.setFloat("rz", p.iz);
    row.setFloat("AG", p.AG);
    row.setFloat("Sy", p.Sy);
    row.setFloat("ssy", p.sy);
}

} // namespace

void iLamIncTableCalcFields(Record &row) { writeDerived(row, PropILamInc(iLamIncInput(row))); }

void uLamTableCalcFields(Record &row) { writeDerived(row, PropULam(uLamInput(row))); }

void AngularTableCalcFields(Record &row)
{
    const AngularProps p = PropAngular(angularInput(row));
    row.setFloat("A", p.A);
    row.setFloat("M", p.M);
    row.setFloat("P", p.P);
    row.setFloat("Iy", p.Iy);
    row.setFloat("Wy", p.Wy);
    row.setFloat("Iu", p.Iu);
    row.setFloat("Iv", p.Iv);
    row.setFloat("Iyz", p.Iyz);
    row.setFloat("ys", p.ys);
    row.setFloat("AL", p.AL);
    row.setFloat("AG", p.AG);
    row.setFloat("ry", p.iy);
    row.setFloat("ru", p.iu);
    row.setFloat("rv", p.iv);
    row.setFloat("U1", p.u1);
    row.setFloat("U2", p.u2);
    row.setFloat("V", p.v);
}
