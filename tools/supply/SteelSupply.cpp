#include "SteelSupply.h"

#include "Csv.h"

#include "data/Declarations.h"

#include <QDir>
#include <QFileInfo>

QList<TableContent> steelTables(const QString &supplyDir)
{
    QList<TableContent> tables;
    for (const TableDecl *decl : {&decl::AceroMECTable, &decl::AceroQUITable, &decl::AceroDESTable}) {
        TableContent t;
        t.file = QString::fromLatin1(decl->defaultFile);
        t.tableName = QFileInfo(t.file).completeBaseName();
        t.columns = tablefile::storedColumns(*decl);
        const CsvTable csv = readCsv(QDir(supplyDir).filePath(QStringLiteral("steel/%1.csv").arg(t.tableName)));
        QStringList expected;
        QList<int> sizes;
        for (const tablefile::Column &c : t.columns) {
            expected << c.name;
            sizes << decl->fields[size_t(decl->indexOf(c.name.toUtf8().constData()))].size;
        }
        if (csv.header != expected) {
            sourceError(csv.path, 1, QStringLiteral("the header must name the fields %1").arg(expected.join(u',')));
        }
        for (int r = 0; r < csv.rows.size(); ++r) {
            QVariantList row;
            for (const QString &v : csv.rows[r]) {
                if (v.trimmed().isEmpty())
                    sourceError(csv.path, csv.lines[r], QStringLiteral("an empty field; write - where the standard gives nothing"));
                row << v;
            }
            t.rows << row;
        }
        checkTextSizes(t, sizes);
        tables << t;
    }
    return tables;
}
