#pragma once

#include "props/Angular.h"
#include "props/ILamInc.h"
#include "props/ILamPar.h"
#include "props/ULam.h"

class Record;

// The computed-field hooks of the four kinds of section table, and the
// readers that give a computation its input from a row (the record filter
// uses the same readers, so both see the same numbers).

ILamParDims iLamParInput(const Record &row);
ILamIncStored iLamIncInput(const Record &row);
ULamStored uLamInput(const Record &row);
AngularDims angularInput(const Record &row);

void iLamParTableCalcFields(Record &row);
void iLamIncTableCalcFields(Record &row);
void uLamTableCalcFields(Record &row);
void AngularTableCalcFields(Record &row);
