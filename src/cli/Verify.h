#pragma once

#include <QString>
#include <QTextStream>

class Table;
struct FamilyInfo;

// tolmo-cli verify: recomputes, for every size of every section table, the
// area, second moments, plastic moduli, painting area (and the centroid of
// channels and angles) on the exact outline of its stored dimensions, and
// compares them with what the catalogue shows: the stored values of IPN and
// UPN, the computed ones of the other families (the tables are opened
// through the engine, so their computed-field hooks run). It also compares
// the detailing figures (largest bolt, gauges, stiff bearing length) with
// the bolting rule, and the stored web depth D of IPN and UPN with the
// outline's.
namespace cli {

// The largest relative differences allowed: A, Iy and Iz agree to 1 %,
// every other property to 3 %.
inline constexpr double kTightTolerance = 0.01;
inline constexpr double kLooseTolerance = 0.03;

// Prints per table the largest relative difference of each property and
// every row beyond tolerance. Answers 0 when every row is within
// tolerance, 1 otherwise. Throws TableError when a table cannot be read.
int verifyTables(const QString &dir, QTextStream &out);

// The same checks on one open section table of a family: prints its line
// and its rows beyond tolerance, and answers how many values are beyond.
int verifyTable(const FamilyInfo &family, Table &table, QTextStream &out);

} // namespace cli
