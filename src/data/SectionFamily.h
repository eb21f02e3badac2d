#pragma once

#include "data/FieldDecl.h"

#include <QString>

#include <span>

// The seven families of rolled sections and what tells them apart as data.
enum class SectionFamily { HEA, HEB, HEM, IPE, IPN, UPN, ANG };

struct FamilyInfo {
    SectionFamily family;
    const char *key;            // "HEB": first three letters of the table file, upper-cased
    const char *tableFile;      // "HEB.DB"
    const char *toleranceKey;   // "Raroda" key of the family's rows in "TOL.DB"
    const char *standard;       // the tolerance standard
    const TableDecl *table;     // shared declaration (HE and IPE share one)
};

const FamilyInfo &familyInfo(SectionFamily family);
std::span<const FamilyInfo> allFamilies();
// The family of a key ("HEB", "ang") ignoring case, or nullptr.
const FamilyInfo *familyByKey(const QString &key);
// "HEB.DB" gives "HEB", "Ang.db" gives "ANG".
QString familyKeyOfFile(const QString &fileName);
