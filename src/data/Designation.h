#pragma once

#include "data/SectionFamily.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class Table;

// Designations as people type them: "HEB 200", "heb200", "HE 200 B", "U100",
// "L100x10", "L 100.100.10". One parser serves every family through the
// forms of the registry (FamilyInfo::designations).
namespace designation {

// A size named by its family and its numbers: the height, or for angles the
// leg and the thickness.
struct SectionName {
    const FamilyInfo *family = nullptr;
    std::vector<double> size;

    friend bool operator==(const SectionName &, const SectionName &) = default;
};

// The text uppercased, without spaces, "*" and "×" written "X" and a decimal
// comma a full stop: the form in which designations are compared.
QString normalized(const QString &text);

// The size the text names in one of the registry's forms, or nothing. Case and
// spaces do not matter; an angle's numbers are separated by "x", "*", "×" or
// full stops, and its thickness may have decimals ("L 203x203x22.2"); an
// angle written with two different legs names no equal-leg angle.
std::optional<SectionName> parse(const QString &text);

// Whether the typed text is the beginning of one of the ways of writing the
// name ("HE 2" begins "HE 200 B", "L100x1" begins "L100x100x10").
bool mayComplete(const QString &typed, const SectionName &name);

// One size of the catalogue: its family and its designation as the table stores it.
struct Entry {
    const FamilyInfo *family = nullptr;
    QString designation;
    // What the stored designation names; empty when it follows none of the
    // family's forms (then only the stored text itself finds it).
    std::optional<SectionName> name;
};

// The designations of the families' tables, in registry and table order.
class Catalogue {
public:
    void add(const FamilyInfo &family, const QStringList &designations);
    const QList<Entry> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // The size the text names, or nullptr.
    const Entry *find(const QString &text) const;
    // The stored designations the typed text may be the beginning of.
    QStringList completions(const QString &typed) const;

private:
    QList<Entry> m_entries;
};

// The designations of a family's table in the folder, in table order.
// Throws TableError (naming the file) when the table cannot be read.
QStringList readDesignations(const FamilyInfo &family, const QString &directory);

// The table of the size the text names (in any form parse() reads, or as the
// table stores it, case and blanks aside), opened from directory and
// positioned on its row; family is set to its family. Throws
// std::runtime_error naming the text and the folder when no table holds it,
// TableError when a table cannot be read.
std::unique_ptr<Table> openAt(const QString &text, const QString &directory, const FamilyInfo *&family);

} // namespace designation
