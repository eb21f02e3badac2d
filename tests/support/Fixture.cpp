#include "support/Fixture.h"

#include "TableFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace fixture {

void writeTable(const QString &dir, const QString &file, const TableDecl &decl, const QList<QVariantMap> &rows,
                const QStringList &dropColumns)
{
    QList<tablefile::Column> columns;
    for (const tablefile::Column &c : tablefile::storedColumns(decl)) {
        if (!dropColumns.contains(c.name, Qt::CaseInsensitive))
            columns.append(c);
    }
    QList<QVariantList> values;
    for (const QVariantMap &row : rows) {
        QVariantList v;
        for (const tablefile::Column &c : columns)
            v.append(row.value(c.name));
        values.append(v);
    }
    try {
        tablefile::write(QDir(dir).filePath(file), QStringLiteral("rows"), columns, values);
    } catch (const std::exception &e) {
        QFAIL(e.what());
    }
}

QVariantMap heRow(const QString &designation, double h, double b, double tw, double tf, double r)
{
    QVariantMap m{{QStringLiteral("Supply"), QString()}, {QStringLiteral("Designation"), designation}};
    const auto put = [&](const char *name, double v) {
        if (v >= 0)
            m.insert(QString::fromLatin1(name), v);
    };
    put("h", h);
    put("b", b);
    put("tw", tw);
    put("tf", tf);
    put("R", r);
    return m;
}

QStringList copySuppliedFiles(const QString &dir)
{
    const QDir app(qEnvironmentVariable("TOLMO_APPDIR"));
    QStringList failed;
    for (const char *file : {"HEA.DB", "HEB.DB", "HEM.DB", "IPE.DB", "IPN.db", "UPN.db", "Ang.db", "TOL.DB",
                             "AceroMEC.db", "AceroQUI.db", "AceroDES.db", "PTolmo2.dll"}) {
        const QString name = QString::fromLatin1(file);
        if (!QFile::copy(app.filePath(name), QDir(dir).filePath(name)))
            failed << name;
    }
    return failed;
}

} // namespace fixture
