#pragma once

#include "data/AppContext.h"
#include "data/CsvWriter.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QWidget;
class TableModel;
class TRxDBGrid;

// What the grids give to spreadsheets: the copied rows as tab-separated text
// and the export of a grid's rows to a CSV file.
namespace gridexport {

// A column's heading as the grid shows it; a column titled blank ("Supply")
// is headed by its field's name in the current language.
QString heading(const TableModel &model, int column);

// The rows (model rows, in the order given) as tab-separated text: a line of
// headings, then one line per row with every cell as the grid shows it.
QString tsv(const TableModel &model, const QList<int> &rows);

// Writes the grid's rows, those the table accepts, and columns to the file
// as CSV, through the writer of `tolmo-cli export`. The file appears only
// when complete; a failure throws an error naming it and leaves the file
// as it was.
void writeFile(const TableModel &model, const QString &path, csv::Format format);

// The save dialog's answer: the file and the separators chosen with it.
struct Choice {
    QString path;
    csv::Format format;
};
// Asks for the file, proposing a path and separators; nothing when cancelled.
using SaveDialog = std::function<std::optional<Choice>(QWidget *parent, const QString &proposedPath,
                                                       csv::Format proposedFormat)>;
// Replaces the save dialog (tests answer for the user); empty: the file dialog.
void setSaveDialog(SaveDialog dialog);

// "Export to CSV...": asks for the file and the separators (a decimal comma
// is proposed in Spanish and where the system writes one) and writes the grid.
void exportGrid(const TRxDBGrid &grid, QWidget *parent, Language language);

} // namespace gridexport
