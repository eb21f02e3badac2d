#pragma once

#include "reports/CatalogueLayout.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <memory>
#include <optional>
#include <vector>

class Table;

namespace cli {

// pdf OUT.pdf REPORT... [--lang EN|ES] [--select FIELD:LOW:HIGH]... [--dir DIR]
// Writes the named reports, in the order given, into one PDF without a
// display: catalogues, "all" (those of Print > All Reports) and the page a
// sheet prints for one size ("sheet:HEB 200", "detail:HEB 200"). args are those after "pdf". Exit codes as run()'s; a failed run
// leaves no file behind.
int pdfCommand(const QStringList &args, QTextStream &out, QTextStream &err, const QString &defaultDir);

// One --select FIELD:LOW:HIGH: a search field and the bounds given.
struct RangeSelection {
    QString field;
    std::optional<double> low;  // alone: more than
    std::optional<double> high; // alone: less than; with low: between
};
// FIELD:LOW:HIGH with a field and at least one number (a full stop as
// decimal separator), or nothing.
std::optional<RangeSelection> parseSelection(const QString &text);

// The rows of a catalogue: the family's table in dir, opened with the
// record filter of the selections naming a search criterion of the
// catalogue's kind (the criteria and unrounded comparison of the search
// dialogs, every selection met). selected tells whether any applied.
std::unique_ptr<Table> catalogueTable(const FamilyInfo &family, CatalogueKind kind,
                                      const std::vector<RangeSelection> &selections, const QString &dir,
                                      bool &selected);

} // namespace cli
