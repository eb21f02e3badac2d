#include "data/TableChecksum.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtEndian>

#include <cstring>
#include <stdexcept>

TableChecksum::TableChecksum(const QString &tableName, const QStringList &columns)
{
    m_hash.addData("tolmo table 1");
    addBytes('N', tableName.toUtf8());
    for (const QString &c : columns)
        addBytes('C', c.toUtf8());
}

void TableChecksum::addBytes(char tag, const QByteArray &bytes)
{
    char head[9];
    head[0] = tag;
    qToLittleEndian<quint64>(quint64(bytes.size()), head + 1);
    m_hash.addData(QByteArrayView(head, sizeof head));
    m_hash.addData(bytes);
}

void TableChecksum::add(const QVariant &value)
{
    char bytes[8];
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        addBytes('0', {});
        return;
    case QMetaType::QString:
        addBytes('T', value.toString().toUtf8());
        return;
    case QMetaType::QByteArray:
        addBytes('B', value.toByteArray());
        return;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        quint64 bits;
        std::memcpy(&bits, &d, sizeof bits);
        qToLittleEndian<quint64>(bits, bytes);
        addBytes('R', QByteArray(bytes, 8));
        return;
    }
    default:
        if (value.isNull()) {
            addBytes('0', {});
            return;
        }
        qToLittleEndian<qint64>(value.toLongLong(), bytes);
        addBytes('I', QByteArray(bytes, 8));
        return;
    }
}

std::uint64_t TableChecksum::result() const
{
    const QByteArray digest = m_hash.result();
    return qFromBigEndian<quint64>(digest.constData());
}

namespace tablefile {

QString quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

namespace {

[[noreturn]] void fail(const QSqlQuery &q) { throw std::runtime_error(q.lastError().databaseText().toStdString()); }

} // namespace

std::uint64_t checksumOf(const QSqlDatabase &db, const QString &tableName)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM %1").arg(quoted(tableName))))
        fail(q);
    const QSqlRecord rec = q.record();
    QStringList columns;
    for (int i = 0; i < rec.count(); ++i)
        columns << rec.fieldName(i);
    TableChecksum sum(tableName, columns);
    while (q.next()) {
        for (int i = 0; i < rec.count(); ++i)
            sum.add(q.value(i));
    }
    if (q.lastError().isValid())
        fail(q);
    return sum.result();
}

void writeChecksum(QSqlDatabase &db, std::uint64_t checksum)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA application_id = %1").arg(TableChecksum::applicationId(checksum))))
        fail(q);
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(TableChecksum::userVersion(checksum))))
        fail(q);
}

} // namespace tablefile
