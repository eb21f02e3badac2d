// tolmo-supply SUPPLY_DIR OUT_DIR
//
// Builds the eleven table files of the application directory from the
// readable sources of supply/: the seven section tables (sections/*.csv,
// properties of IPN and UPN computed on their exact outlines), the tolerance
// table with its figures (tolerances/*.txt) and the three steel tables
// (steel/*.csv). Exit 0 on success, 1 with one line on standard error.
#include "Csv.h"
#include "SectionSupply.h"
#include "SteelSupply.h"
#include "ToleranceFigure.h"
#include "ToleranceSource.h"

#include "data/Declarations.h"
#include "data/SectionFamily.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <exception>

namespace {

// One row per item and language, key by key in the order of the families,
// English before Spanish.
TableContent toleranceTable(const QString &supplyDir)
{
    const QDir dir(QDir(supplyDir).filePath(QStringLiteral("tolerances")));
    QList<ToleranceSource> sources;
    for (const QString &file : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        sources << readToleranceSource(dir.filePath(file));

    TableContent t;
    t.file = QString::fromLatin1(decl::TolTable.defaultFile);
    t.tableName = QFileInfo(t.file).completeBaseName();
    t.columns = tablefile::storedColumns(decl::TolTable);
    QStringList done;
    for (const FamilyInfo &family : allFamilies()) {
        const QString key = QString::fromLatin1(family.toleranceKey());
        if (done.contains(key))
            continue;
        done << key;
        const ToleranceSource *source = nullptr;
        QString shape;
        for (const ToleranceSource &s : sources) {
            for (const auto &k : s.keys) {
                if (k.first == key) {
                    source = &s;
                    shape = k.second;
                }
            }
        }
        if (!source)
            sourceError(dir.path(), 0, QStringLiteral("no file gives the tolerances of the key %1").arg(key));
        if (source->standard != QLatin1String(family.standard())) {
            sourceError(source->path, 0, QStringLiteral("the key %1 follows %2, not %3")
                                             .arg(key, QLatin1String(family.standard()), source->standard));
        }
        for (const QString &language : kToleranceLanguages) {
            for (const ToleranceItem &item : source->items) {
                t.rows << QVariantList{key, language, item.name.value(language),
                                       toleranceFigurePng(item, shape, language)};
            }
        }
    }
    QList<int> sizes;
    for (const tablefile::Column &c : t.columns)
        sizes << decl::TolTable.fields[size_t(decl::TolTable.indexOf(c.name.toUtf8().constData()))].size;
    checkTextSizes(t, sizes);
    return t;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: tolmo-supply SUPPLY_DIR OUT_DIR\n";
        return 2;
    }
    const QString supplyDir = args[1];
    const QDir out(args[2]);
    try {
        QList<TableContent> tables = sectionTables(supplyDir);
        tables << toleranceTable(supplyDir);
        tables << steelTables(supplyDir);
        for (const TableContent &t : tables)
            tablefile::write(out.filePath(t.file), t.tableName, t.columns, t.rows);
    } catch (const std::exception &e) {
        err << "tolmo-supply: " << QString::fromUtf8(e.what()) << '\n';
        return 1;
    }
    return 0;
}
