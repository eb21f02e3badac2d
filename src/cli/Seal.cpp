#include "cli/Cli.h"

#include "cli/Verify.h"
#include "data/Declarations.h"
#include "data/SectionFamily.h"
#include "data/Table.h"
#include "data/TableChecksum.h"
#include "data/TableError.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace cli {

namespace {

// A writable connection to a table file for the length of one step.
class WritableFile {
public:
    explicit WritableFile(const QString &path) : m_path(path)
    {
        static int serial = 0;
        m_name = QStringLiteral("tolmo-seal-%1").arg(++serial);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open())
            fail(db.lastError().text());
    }
    ~WritableFile() { QSqlDatabase::removeDatabase(m_name); }

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    void exec(const QString &sql)
    {
        QSqlQuery q(db());
        if (!q.exec(sql))
            fail(q.lastError().databaseText());
    }

    QString onlyTable()
    {
        QSqlQuery q(db());
        if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
                                   "ESCAPE '\\'"))
            || !q.next())
            fail(QStringLiteral("it holds no table"));
        return q.value(0).toString();
    }

    [[noreturn]] void fail(const QString &what) const
    {
        throw TableError(QStringLiteral("Cannot seal %1: %2").arg(QDir::toNativeSeparators(m_path), what));
    }

private:
    QString m_path;
    QString m_name;
};

} // namespace

int sealTable(const QString &fileName, const QString &dir, QTextStream &out)
{
    Table table(*decl::forFile(fileName));
    table.setDirectory(dir);
    table.setFileName(fileName);
    const QString path = table.resolveFile();
    const QString shown = QDir::toNativeSeparators(path);
    {
        // Back to SQLite's rollback journal, which the catalogue reads
        // without writing beside the table; this changes no content.
        WritableFile file(path);
        file.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    }

    // Every check the catalogue makes at open, and for a section table the
    // checks of verify; the checksum is written only when all pass.
    table.openForSealing();
    int beyond = 0;
    if (const FamilyInfo *family = familyByKey(familyKeyOfFile(fileName)))
        beyond = verifyTable(*family, table, out);
    const int rows = table.recordCount();
    table.close();
    if (beyond > 0) {
        throw TableError(QStringLiteral("%1 is not sealed: %2 values are beyond tolerance (listed above)")
                             .arg(shown)
                             .arg(beyond));
    }

    WritableFile file(path);
    const QString name = file.onlyTable();
    try {
        QSqlDatabase db = file.db();
        tablefile::writeChecksum(db, tablefile::checksumOf(db, name));
    } catch (const std::runtime_error &e) {
        file.fail(QString::fromUtf8(e.what()));
    }
    out << QStringLiteral("Sealed %1 (%2 rows)\n").arg(shown).arg(rows);
    return 0;
}

} // namespace cli
