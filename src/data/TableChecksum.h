#pragma once

#include <QCryptographicHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

class QSqlDatabase;

// The content checksum of a table file: a hash of the table's name, its
// column names and every value of every row in file order, each value with
// its SQLite storage class. The build tool writes it into the file's header
// (the application_id and user_version fields); the table engine recomputes
// it at every open, so that a file whose contents changed after it was
// written (a cut, a flipped bit, an edit) is refused before any of its
// figures is shown.
class TableChecksum {
public:
    TableChecksum(const QString &tableName, const QStringList &columns);

    // The next value, row by row, column by column, as SQLite returns it:
    // NULL, an integer, a real, a text or a blob.
    void add(const QVariant &value);
    std::uint64_t result() const;

    // The two 32-bit header fields that keep a checksum, and back.
    static std::int32_t applicationId(std::uint64_t checksum) { return std::int32_t(checksum >> 32); }
    static std::int32_t userVersion(std::uint64_t checksum) { return std::int32_t(checksum & 0xffffffffu); }
    static std::uint64_t fromHeader(std::int32_t applicationId, std::int32_t userVersion)
    {
        return (std::uint64_t(std::uint32_t(applicationId)) << 32) | std::uint32_t(userVersion);
    }

private:
    void addBytes(char tag, const QByteArray &bytes);
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
};

namespace tablefile {

// A table or column name as SQL writes it: in double quotes, a quote inside
// doubled.
QString quoted(const QString &identifier);

// The checksum of the one table of an open database, read in file order.
// Throws std::runtime_error with SQLite's words on a read failure.
std::uint64_t checksumOf(const QSqlDatabase &db, const QString &tableName);

// Writes the checksum into the header of an open, writable database.
void writeChecksum(QSqlDatabase &db, std::uint64_t checksum);

} // namespace tablefile
