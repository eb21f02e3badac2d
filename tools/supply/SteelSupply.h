#pragma once

#include "SectionSupply.h"

// The three steel-grade tables from supply/steel/<file base name>.csv, whose
// header names the declared fields in their declared order.
QList<TableContent> steelTables(const QString &supplyDir);
