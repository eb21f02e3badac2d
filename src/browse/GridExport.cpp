#include "browse/GridExport.h"

#include "browse/TRxDBGrid.h"
#include "browse/TableModel.h"
#include "browse/Texts.h"
#include "data/DisplayFormat.h"
#include "data/Table.h"

#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include <stdexcept>

namespace gridexport {

namespace {

std::optional<Choice> fileDialog(QWidget *parent, const QString &proposedPath, csv::Format proposedFormat)
{
    const QString fullStop = texts::TranslateString(QStringLiteral("CSV, full stop and comma (*.csv)"));
    const QString comma = texts::TranslateString(QStringLiteral("CSV, decimal comma and semicolon (*.csv)"));
    QFileDialog dialog(parent, texts::TranslateString(QStringLiteral("Export to CSV")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setNameFilters({fullStop, comma});
    dialog.selectNameFilter(proposedFormat.decimalPoint == u',' ? comma : fullStop);
    dialog.setDirectory(QFileInfo(proposedPath).absolutePath());
    dialog.selectFile(QFileInfo(proposedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return Choice{dialog.selectedFiles().first(), dialog.selectedNameFilter() == comma ? csv::kDecimalComma
                                                                                       : csv::kFullStop};
}

SaveDialog g_dialog = fileDialog;

// The folder of the last export in this run, proposed for the next one.
QString &lastFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

[[noreturn]] void cannotWrite(const QString &path)
{
    throw std::runtime_error(texts::TranslateString(QStringLiteral("The file %1 could not be written."))
                                 .arg(QDir::toNativeSeparators(path))
                                 .toStdString());
}

// A cell of copied text stays on its line and in its column.
QString flat(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

} // namespace

QString heading(const TableModel &model, int column)
{
    const QString title = model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().trimmed();
    if (!title.isEmpty() || !model.table())
        return title;
    const int field = model.fieldIndex(column);
    const auto fields = model.table()->declaration().fields;
    if (field < 0 || size_t(field) >= fields.size())
        return title;
    return texts::TranslateString(QString::fromUtf8(fields[size_t(field)].name));
}

QString tsv(const TableModel &model, const QList<int> &rows)
{
    QStringList lines;
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
        cells << flat(heading(model, c));
    lines << cells.join(u'\t');
    for (int r : rows) {
        cells.clear();
        for (int c = 0; c < model.columnCount(); ++c)
            cells << flat(model.index(r, c).data(Qt::DisplayRole).toString());
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void writeFile(const TableModel &model, const QString &path, csv::Format format)
{
    const Table *table = model.table();
    if (!table)
        cannotWrite(path);
    QList<csv::Column> columns;
    for (int c = 0; c < model.columnCount(); ++c)
        columns.append({model.fieldIndex(c), heading(model, c)});
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(path);
    {
        QTextStream out(&file);
        out.setEncoding(QStringConverter::Utf8);
        // A spreadsheet reads the file as UTF-8 by its mark.
        out.setGenerateByteOrderMark(true);
        csv::write(out, *table, columns, format);
        out.flush();
        if (out.status() != QTextStream::Ok)
            cannotWrite(path);
    }
    if (!file.commit())
        cannotWrite(path);
}

void setSaveDialog(SaveDialog dialog) { g_dialog = dialog ? std::move(dialog) : SaveDialog(fileDialog); }

void exportGrid(const TRxDBGrid &grid, QWidget *parent, Language language)
{
    const TableModel *model = grid.tableModel();
    if (!model)
        return;
    const bool comma = language == Language::Spanish || display::systemDecimalPoint() == u',';
    const QString name = grid.exportName().isEmpty() ? QStringLiteral("export") : grid.exportName();
    const std::optional<Choice> choice =
        g_dialog(parent, QDir(lastFolder()).filePath(name + QStringLiteral(".csv")),
                 comma ? csv::kDecimalComma : csv::kFullStop);
    if (!choice || choice->path.isEmpty())
        return;
    lastFolder() = QFileInfo(choice->path).absolutePath();
    writeFile(*model, choice->path, choice->format);
}

} // namespace gridexport
