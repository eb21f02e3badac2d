#include "cli/Cli.h"

#include "data/Declarations.h"
#include "data/DisplayFormat.h"
#include "data/Table.h"
#include "data/TableError.h"

namespace cli {

QString csvCell(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString q = text;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

int exportTable(const QString &fileName, bool raw, const QString &dir, QTextStream &out)
{
    const TableDecl *decl = decl::forFile(fileName);
    Table table(*decl);
    table.setDirectory(dir);
    table.setFileName(fileName);
    table.open();

    std::vector<int> columns;
    QStringList header;
    for (int i = 0; i < table.fieldCount(); ++i) {
        const FieldDecl &f = decl->fields[size_t(i)];
        if (f.type == FieldType::Graphic)
            continue;
        columns.push_back(i);
        header << csvCell(QString::fromUtf8(f.name));
    }
    out << header.join(u',') << '\n';
    for (int r = 0; r < table.recordCount(); ++r) {
        QStringList cells;
        for (int i : columns) {
            const FieldDecl &f = decl->fields[size_t(i)];
            const QVariant &v = table.value(r, i);
            const QString text = raw && f.type == FieldType::Float ? display::shortest(v)
                                                                   : display::cell(v, f, u'.');
            cells << csvCell(text);
        }
        out << cells.join(u',') << '\n';
    }
    table.close();
    return 0;
}

} // namespace cli
