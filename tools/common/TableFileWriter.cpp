#include "TableFileWriter.h"

#include "data/TableChecksum.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

namespace tablefile {

namespace {

QString sqlType(FieldType type)
{
    switch (type) {
    case FieldType::Float:
        return QStringLiteral("REAL");
    case FieldType::Text:
        return QStringLiteral("TEXT");
    case FieldType::Logical:
        return QStringLiteral("INTEGER");
    case FieldType::Graphic:
        return QStringLiteral("BLOB");
    }
    return QStringLiteral("TEXT");
}

[[noreturn]] void fail(const QString &path, const QString &what)
{
    throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(path, what).toStdString());
}

} // namespace

QList<Column> storedColumns(const TableDecl &decl)
{
    QList<Column> columns;
    for (const FieldDecl &f : decl.fields) {
        if (f.isStored())
            columns.append({QString::fromUtf8(f.name), f.type});
    }
    return columns;
}

void write(const QString &path, const QString &tableName, const QList<Column> &columns,
           const QList<QVariantList> &rows)
{
    const QString temp = path + QStringLiteral(".part");
    QFile::remove(temp);
    static int serial = 0;
    const QString connection = QStringLiteral("tolmo-writer-%1").arg(++serial);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(temp);
        if (!db.open())
            fail(path, db.lastError().text());
        QStringList defs, marks;
        for (const Column &c : columns) {
            defs << quoted(c.name) + u' ' + sqlType(c.type);
            marks << QStringLiteral("?");
        }
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(tableName), defs.join(QStringLiteral(", ")))))
            fail(path, q.lastError().text());
        db.transaction();
        if (!q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(quoted(tableName), marks.join(u','))))
            fail(path, q.lastError().text());
        for (const QVariantList &row : rows) {
            if (row.size() != columns.size())
                fail(path, QStringLiteral("a row has %1 values for %2 columns").arg(row.size()).arg(columns.size()));
            for (int i = 0; i < row.size(); ++i)
                q.bindValue(i, row[i]);
            if (!q.exec())
                fail(path, q.lastError().text());
        }
        if (!db.commit())
            fail(path, db.lastError().text());
        // Seal the contents as they read back, so that the engine refuses
        // the file once anything in it changes.
        try {
            tablefile::writeChecksum(db, tablefile::checksumOf(db, tableName));
        } catch (const std::runtime_error &e) {
            fail(path, QString::fromUtf8(e.what()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    QFile::remove(path);
    if (!QFile::rename(temp, path))
        fail(path, QStringLiteral("cannot replace the file"));
}

} // namespace tablefile
