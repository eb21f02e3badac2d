// Damaged copies of every supplied table: cut short, bits flipped in the
// data pages, and sealed files with contents no rolled section can have.
// Each must be refused with a clear error naming the file, or read with
// exactly the figures of the intact table; reading never changes the file.
#include "data/Declarations.h"
#include "data/Table.h"
#include "data/TableChecksum.h"
#include "data/TableError.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString appDir() { return qEnvironmentVariable("TOLMO_APPDIR"); }

QByteArray digest(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Every value of every row as the catalogue shows it, or the refusal.
struct Reading {
    bool refused = false;
    QString message;
    QStringList cells;
};

Reading read(const QString &dir, const QString &file)
{
    Reading r;
    Table t(*decl::forFile(file));
    t.setDirectory(dir);
    t.setFileName(file);
    try {
        t.open();
    } catch (const TableError &e) {
        r.refused = true;
        r.message = e.message();
        return r;
    }
    for (int row = 0; row < t.recordCount(); ++row) {
        t.setCurrentRow(row);
        for (int f = 0; f < t.fieldCount(); ++f) {
            const FieldRef ref(&t, f);
            r.cells << (ref.declaration().type == FieldType::Graphic ? QString::fromLatin1(ref.asBytes().toHex())
                                                                      : ref.displayText(u'.'));
        }
    }
    return r;
}

// Runs SQL on a copy and seals it again, as a build tool with a fault would.
void editAndSeal(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mutate"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString &s : statements)
            QVERIFY2(q.exec(s), qPrintable(s + u' ' + q.lastError().text()));
        QVERIFY(q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")) && q.next());
        const QString table = q.value(0).toString();
        q.finish();
        tablefile::writeChecksum(db, tablefile::checksumOf(db, table));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mutate"));
}

QString tableName(const QString &path)
{
    QString name;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("name"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")) && q.next())
                name = q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("name"));
    return name;
}

} // namespace

class TestMutations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(!appDir().isEmpty(), "TOLMO_APPDIR names the application directory"); }

    void damagedFilesAreRefusedOrReadExactly_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *f : decl::suppliedFiles())
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void damagedFilesAreRefusedOrReadExactly()
    {
        QFETCH(QString, file);
        const Reading intact = read(appDir(), file);
        QVERIFY2(!intact.refused, qPrintable(intact.message));
        QFile source(QDir(appDir()).filePath(file));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();

        // Cut short at eighths of the file and by one byte; one bit flipped
        // at 40 places past the first page (the data pages).
        QList<QByteArray> damaged;
        for (int k = 1; k < 8; ++k)
            damaged << bytes.left(bytes.size() * k / 8);
        damaged << bytes.left(bytes.size() - 1);
        QRandomGenerator random(20261211);
        const int firstPage = qMin<int>(4096, int(bytes.size()) - 1);
        for (int i = 0; i < 40; ++i) {
            QByteArray flipped = bytes;
            const int at = firstPage + int(random.bounded(quint32(bytes.size() - firstPage)));
            flipped[at] = char(flipped[at] ^ (1 << random.bounded(8)));
            damaged << flipped;
        }

        int refused = 0;
        for (int i = 0; i < damaged.size(); ++i) {
            QTemporaryDir dir;
            const QString path = QDir(dir.path()).filePath(file);
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(damaged[i]);
            out.close();
            const QByteArray before = digest(path);
            const Reading r = read(dir.path(), file);
            if (r.refused) {
                ++refused;
                QVERIFY2(r.message.contains(file), qPrintable(r.message));
            } else {
                QVERIFY2(r.cells == intact.cells, qPrintable(QStringLiteral("damage %1 read with other figures").arg(i)));
            }
            QCOMPARE(digest(path), before);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{file});
        }
        // Every cut is refused; a flip may land in unused space.
        QVERIFY(refused >= 8);
    }

    void sealedImplausibleContentsAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("sql"); // %1 is the table's name
        QTest::addColumn<QString>("message");
        QTest::newRow("zero height") << "HEB.DB" << QStringList{"UPDATE %1 SET h = 0 WHERE Designation = 'HEB 340'"}
                                     << "(HEB 340): the field \"h\" holds 0; it must be positive";
        QTest::newRow("negative web") << "IPE.DB" << QStringList{"UPDATE %1 SET tw = -7.1 WHERE Designation = 'IPE 300'"}
                                      << "(IPE 300): the field \"tw\" holds -7.1; it must be positive";
        QTest::newRow("huge flange") << "IPN.db" << QStringList{"UPDATE %1 SET Tf = 1e300 WHERE Designation = 'IPN 200'"}
                                     << "(IPN 200): the field \"Tf\" holds 1e+300";
        QTest::newRow("thin leg") << "Ang.db" << QStringList{"UPDATE %1 SET T = 0 WHERE Designation = 'L 100x100x10'"}
                                  << "(L 100x100x10): the field \"T\" holds 0; it must be positive";
        QTest::newRow("text for a number") << "UPN.db" << QStringList{"UPDATE %1 SET A = 'x' WHERE Designation = 'UPN 200'"}
                                           << "field \"A\" holds the text \"x\" where a number is expected";
        QTest::newRow("designation twice")
            << "HEM.DB" << QStringList{"UPDATE %1 SET Designation = 'HEM 300' WHERE Designation = 'HEM 320'"}
            << "\"HEM 300\" is given twice in the field \"Designation\"";
        QTest::newRow("write-ahead log") << "HEA.DB" << QStringList{"PRAGMA journal_mode = WAL"}
                                         << "write-ahead-log mode";
        QTest::newRow("oversized picture") << "TOL.DB" << QStringList{"UPDATE %1 SET Figura = :picture WHERE rowid = 1"}
                                           << "row 1, field \"Figura\" holds a picture of 5500 × 5500 pixels";
    }
    void sealedImplausibleContentsAreRefused()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, sql);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(file);
        QVERIFY(QFile::copy(QDir(appDir()).filePath(file), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const QString table = tableName(path);
        QVERIFY(!table.isEmpty());
        QStringList statements;
        for (const QString &s : sql)
            statements << s.arg(table);
        if (statements.first().contains(u":picture")) {
            // A 5500 x 5500 picture compresses to a few kilobytes.
            QImage big(5500, 5500, QImage::Format_Mono);
            big.fill(0);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(big.save(&buffer, "PNG"));
            statements.first().replace(QStringLiteral(":picture"), QStringLiteral("X'%1'").arg(QString::fromLatin1(png.toHex())));
        }
        editAndSeal(path, statements);
        const QByteArray before = digest(path);
        const Reading r = read(dir.path(), file);
        QVERIFY2(r.refused, "the table was read");
        QVERIFY2(r.message.contains(message), qPrintable(r.message));
        QVERIFY2(r.message.contains(file), qPrintable(r.message));
        QCOMPARE(digest(path), before);
    }
};

QTEST_MAIN(TestMutations)
#include "tst_mutations.moc"
