#include "cli/Cli.h"

#include "data/CsvWriter.h"
#include "data/Declarations.h"
#include "data/Table.h"

namespace cli {

int exportTable(const QString &fileName, bool raw, const QString &dir, QTextStream &out)
{
    const TableDecl *decl = decl::forFile(fileName);
    Table table(*decl);
    table.setDirectory(dir);
    table.setFileName(fileName);
    table.open();

    // Every stored and computed field but the pictures, headed by its name.
    QList<csv::Column> columns;
    for (int i = 0; i < table.fieldCount(); ++i) {
        const FieldDecl &f = decl->fields[size_t(i)];
        if (f.type != FieldType::Graphic)
            columns.append({i, QString::fromUtf8(f.name)});
    }
    csv::write(out, table, columns, csv::kFullStop, raw);
    table.close();
    return 0;
}

} // namespace cli
