// The table engine on small fixture files: binding, navigation, filter,
// locate, notices and every way a file can be unusable.
#include "data/Declarations.h"
#include "data/Table.h"
#include "data/TableChecksum.h"
#include "data/TableError.h"
#include "support/Fixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<QVariantMap> heRows()
{
    return {fixture::heRow("HEB 100", 100, 100, 6, 10, 12), fixture::heRow("HEB 200", 200, 200, 9, 15, 18),
            fixture::heRow("HEB 300", 300, 300, 11, 19, 27), fixture::heRow("HEB 400", 400, 300, 13.5, 24, 27)};
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Runs an SQL script against a new SQLite file.
// Runs SQL statements on a file; then, unless told not to, seals the
// contents of its first table as the build tool does.
void sqlFile(const QString &path, const QStringList &statements, bool seal = true)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("script"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString &s : statements)
            QVERIFY2(q.exec(s), qPrintable(s));
        if (seal && q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")) && q.next()) {
            const QString table = q.value(0).toString();
            q.finish();
            tablefile::writeChecksum(db, tablefile::checksumOf(db, table));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("script"));
}

QStringList designations(Table &t)
{
    QStringList d;
    for (t.first(); !t.isEof(); t.next())
        d << t.field(QStringLiteral("Designation")).asString();
    return d;
}

} // namespace

class TestTable : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        fixture::writeTable(m_dir.path(), QStringLiteral("HEB.DB"), decl::iLamParTable, heRows());
    }

    void opensCaseInsensitivelyAndBindsFields()
    {
        Table t(decl::iLamParTable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("heb.db"));
        QSignalSpy changes(&t, &Table::dataChange);
        t.open();
        QVERIFY(t.isOpen());
        QCOMPARE(QFileInfo(t.filePath()).fileName(), QStringLiteral("HEB.DB"));
        QCOMPARE(t.objectName(), QStringLiteral("iLamParTable"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(t.recordCount(), 4);
        QCOMPARE(t.recNo(), 1);
        QCOMPARE(t.field(QStringLiteral("DESIGNATION")).asString(), QStringLiteral("HEB 100"));
        QCOMPARE(t.field(QStringLiteral("r")).asFloat(), 12.0);
        // Opening an open table does nothing.
        t.open();
        QCOMPARE(changes.count(), 1);
    }

    void navigatesInFileOrder()
    {
        Table t(decl::iLamParTable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("HEB.DB"));
        t.open();
        QVERIFY(t.isBof());
        QCOMPARE(designations(t), (QStringList{"HEB 100", "HEB 200", "HEB 300", "HEB 400"}));
        QVERIFY(t.isEof());
        QCOMPARE(t.recNo(), 4);
        t.next(); // at the end: stays
        QCOMPARE(t.recNo(), 4);
        t.prior();
        QCOMPARE(t.recNo(), 3);
        t.first();
        t.prior();
        QVERIFY(t.isBof());
        QCOMPARE(t.recNo(), 1);
        t.last();
        QCOMPARE(t.field(QStringLiteral("Designation")).asString(), QStringLiteral("HEB 400"));
    }

    void implausibleRowsAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<QVariantMap>>("rows");
        QTest::addColumn<QString>("message");
        const QVariantMap heb200 = fixture::heRow("HEB 200", 200, 200, 9, 15, 18);
        const auto he = [&](const char *field, const QVariant &v) {
            QVariantMap m = heb200;
            m[field] = v;
            return QList<QVariantMap>{fixture::heRow("HEB 100", 100, 100, 6, 10, 12), m};
        };
        const QString row2 = QStringLiteral("HEB.DB, row 2 (HEB 200): ");
        QTest::newRow("h empty") << "HEB.DB" << he("h", QVariant()) << row2 + "the field \"h\" is empty";
        QTest::newRow("h zero") << "HEB.DB" << he("h", 0.0) << row2 + "the field \"h\" holds 0; it must be positive";
        QTest::newRow("tw negative") << "HEB.DB" << he("tw", -9.0)
                                     << row2 + "the field \"tw\" holds -9; it must be positive";
        QTest::newRow("r negative") << "HEB.DB" << he("R", -1.0)
                                    << row2 + "the field \"R\" holds -1; it cannot be negative";
        QTest::newRow("b infinite") << "HEB.DB" << he("b", qInf()) << row2 + "the field \"b\" holds inf, which is not a number";
        QTest::newRow("tf 1e300") << "HEB.DB" << he("tf", 1e300)
                                  << row2 + "the field \"tf\" holds 1e+300; no rolled section has one above 5000 mm";
        QTest::newRow("flanges meet") << "HEB.DB" << he("tf", 100.0)
                                      << row2 + "twice the flange thickness tf (200) must be less than the height h (200)";
        QTest::newRow("no straight web") << "HEB.DB" << he("R", 90.0)
                                         << row2 + "the flanges and root radii, 2 (tf + r) (210) must be less than the height h (200)";
        QTest::newRow("designation twice")
            << "HEB.DB" << QList<QVariantMap>{heb200, fixture::heRow("heb 200", 220, 220, 9.5, 16, 18)}
            << "HEB.DB, row 2: \"heb 200\" is given twice in the field \"Designation\"";
        QTest::newRow("designation empty")
            << "HEB.DB" << QList<QVariantMap>{fixture::heRow(" ", 220, 220, 9.5, 16, 18)}
            << "HEB.DB, row 1: the field \"Designation\" is empty";
        const QVariantMap upn{{"Designation", "UPN 200"}, {"H", 200}, {"B", 75}, {"Tw", 8.5}, {"Tf", 11.5},
                              {"R1", 11.5}, {"R2", 6}, {"D", 151.0}, {"A", 32.2}, {"Iy", 1910}, {"Iz", 148},
                              {"Wply", 228}, {"Wplz", 47}, {"ym", 3.94}, {"ys", 2.01}, {"It", 11.9},
                              {"Iw", 9070}, {"AL", 0.661}, {"Avz", 17}, {"ss", 28.1}};
        const auto channel = [&](const char *field, const QVariant &v) {
            QVariantMap m = upn;
            m[field] = v;
            return QList<QVariantMap>{m};
        };
        QTest::newRow("UPN plausible") << "UPN.db" << channel("ss", 28.1) << "";
        QTest::newRow("UPN Iw empty") << "UPN.db" << channel("Iw", QVariant())
                                      << "UPN.db, row 1 (UPN 200): the field \"Iw\" is empty";
        QTest::newRow("UPN ys at the tip") << "UPN.db" << channel("ys", 7.5)
                                           << "the centroid ys, in mm (75) must be less than the width b (75)";
        QTest::newRow("UPN d through the flanges") << "UPN.db" << channel("D", 180.0)
                                                   << "the straight web d (180) must be less than the height between the flanges (177)";
        const QVariantMap angle{{"Designation", "L 100x100x10"}, {"H", 100}, {"T", 10}, {"R1", 12}, {"R2", 6}};
        QVariantMap thick = angle;
        thick["T"] = 95.0;
        QTest::newRow("angle thicker than its leg")
            << "Ang.db" << QList<QVariantMap>{thick}
            << "Ang.db, row 1 (L 100x100x10): the thickness and root radius, t + r1 (107) must be less than the leg h (100)";
        QVariantMap flat = angle;
        flat["H"] = 0.0;
        QTest::newRow("angle leg zero") << "Ang.db" << QList<QVariantMap>{flat} << "the field \"H\" holds 0; it must be positive";
    }
    void implausibleRowsAreRefused()
    {
        // A row a rolled section cannot have is refused at open with the
        // file, row, field and value; nothing of the table is shown.
        QFETCH(QString, file);
        QFETCH(QList<QVariantMap>, rows);
        QFETCH(QString, message);
        const TableDecl &decl = *decl::forFile(file);
        QTemporaryDir dir;
        fixture::writeTable(dir.path(), file, decl, rows);
        Table t(decl);
        t.setDirectory(dir.path());
        t.setFileName(file);
        if (message.isEmpty()) {
            t.open();
            QCOMPARE(t.recordCount(), int(rows.size()));
            return;
        }
        try {
            t.open();
            QFAIL("the row was accepted");
        } catch (const TableError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        QVERIFY(!t.isOpen());
        QCOMPARE(t.recordCount(), 0);
    }

    void filterAndReopenRecompute()
    {
        Table t(decl::iLamParTable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("HEB.DB"));
        double minimum = 200;
        int hookCalls = 0;
        t.setFilter([&](const Record &row) {
            ++hookCalls;
            // The computed fields are in the row buffer when the filter runs.
            return !row.isNull("A") && row.asFloat("h") >= minimum;
        });
        t.setFiltered(true);
        t.open();
        QCOMPARE(t.recordCount(), 3);
        QCOMPARE(t.field(QStringLiteral("Designation")).asString(), QStringLiteral("HEB 200"));
        QCOMPARE(hookCalls, 4);
        minimum = 350;
        t.open(); // still open: nothing happens
        QCOMPARE(t.recordCount(), 3);
        t.close();
        t.open();
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(hookCalls, 8);
        minimum = 1000;
        t.close();
        t.open();
        QCOMPARE(t.recordCount(), 0);
        QCOMPARE(t.recNo(), 0);
        QVERIFY(t.isEof() && t.isBof());
        QVERIFY(t.field(QStringLiteral("h")).isNull());
        t.next();
        t.last();
        QCOMPARE(t.currentRow(), -1);
    }

    // Filtering again keeps the current row where asked and the filter still
    // accepts it; otherwise the first accepted row is current.
    void refilterKeepsOrResetsTheCurrentRow_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("recNo");
        QTest::newRow("kept, still accepted") << "HEB 300" << 200.0 << true << "HEB 300" << 2;
        QTest::newRow("kept, the last row") << "HEB 400" << 0.0 << true << "HEB 400" << 4;
        QTest::newRow("kept, filtered out") << "HEB 100" << 200.0 << true << "HEB 200" << 1;
        QTest::newRow("not kept") << "HEB 300" << 200.0 << false << "HEB 200" << 1;
        QTest::newRow("kept, nothing accepted") << "HEB 300" << 1000.0 << true << "" << 0;
    }
    void refilterKeepsOrResetsTheCurrentRow()
    {
        QFETCH(QString, current);
        QFETCH(double, minimum);
        QFETCH(bool, keep);
        QFETCH(QString, expected);
        QFETCH(int, recNo);
        Table t(decl::iLamParTable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("HEB.DB"));
        double bound = 0;
        t.setFilter([&](const Record &row) { return row.asFloat("h") >= bound; });
        t.setFiltered(true);
        t.open();
        QVERIFY(t.locate(QStringLiteral("Designation"), {current}));
        bound = minimum;
        QSignalSpy resets(&t, &Table::rowsReset);
        QSignalSpy changes(&t, &Table::dataChange);
        t.refilter(keep ? Table::Current::Kept : Table::Current::First);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(t.recNo(), recNo);
        QCOMPARE(t.field(QStringLiteral("Designation")).asString(), expected);
        // Navigation goes on from there.
        if (recNo > 1) {
            t.prior();
            QCOMPARE(t.recNo(), recNo - 1);
        }
    }

    void locate_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("tolerancia");
        QTest::newRow("exact") << QStringList{"IPE", "ES", "Altura"} << true << "Altura";
        QTest::newRow("case ignored") << QStringList{"ipe", "es", "ALTURA"} << true << "Altura";
        QTest::newRow("second key decides") << QStringList{"H", "EN", "Height"} << true << "Height";
        QTest::newRow("partial value is no match") << QStringList{"IPE", "ES", "Alt"} << false << "Height";
        QTest::newRow("no such row") << QStringList{"UPN", "EN", "Height"} << false << "Height";
    }
    void locate()
    {
        QFETCH(QStringList, values);
        QFETCH(bool, found);
        QFETCH(QString, tolerancia);
        const auto row = [](const char *k, const char *l, const char *t) {
            return QVariantMap{{"Raroda", k}, {"Idioma", l}, {"Tolerancia", t}, {"Figura", QByteArray("png")}};
        };
        fixture::writeTable(m_dir.path(), QStringLiteral("TOL.DB"), decl::TolTable,
                            {row("IPE", "EN", "Height"), row("H", "EN", "Height"), row("IPE", "ES", "Altura")});
        Table t(decl::TolTable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("tol.db"));
        t.open();
        t.next(); // start elsewhere than the first match
        QCOMPARE(t.locate(QStringLiteral("Raroda;Idioma;Tolerancia"), values), found);
        if (!found)
            QCOMPARE(t.recNo(), 2); // the current row stays where it was
        QCOMPARE(t.field(QStringLiteral("Tolerancia")).asString(), tolerancia);
        QCOMPARE(t.field(QStringLiteral("Figura")).asBytes(), QByteArray("png"));
    }

    void disabledControlsGetOneNoticeAtTheEnd()
    {
        Table t(decl::iLamParTable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("HEB.DB"));
        t.open();
        QSignalSpy changes(&t, &Table::dataChange);
        t.disableControls();
        t.disableControls();
        designations(t);
        t.enableControls();
        QCOMPARE(changes.count(), 0);
        t.enableControls();
        QCOMPARE(changes.count(), 1);
        t.prior();
        QCOMPARE(changes.count(), 2);
    }

    void extraColumnsAndAnyTableNameAreAccepted()
    {
        const QString path = QDir(m_dir.path()).filePath(QStringLiteral("Ang.db"));
        sqlFile(path, {"CREATE TABLE whatever (designation TEXT, extra REAL, h REAL, t REAL, r1 REAL, r2 REAL, "
                       "SUPPLY TEXT, EMIN TEXT, emax TEXT, DMAX TEXT)",
                       "INSERT INTO whatever VALUES ('L 100x100x10', 1, 100, 10, 12, 6, NULL, '35', '55', 'M20')"});
        Table t(decl::AngularTable);
        t.setDirectory(m_dir.path());
        t.open();
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(t.field(QStringLiteral("Emax")).asString(), QStringLiteral("55"));
        QCOMPARE(t.field(QStringLiteral("Iy")).displayText(u'.'), QStringLiteral("176.66"));
    }

    void unusableFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("sql");       // empty: write the raw bytes below
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");       // a part the message must hold
        const QString create = QStringLiteral(
            "CREATE TABLE t (Supply TEXT, Designation TEXT, h REAL, b REAL, tw REAL, tf REAL, R REAL, "
            "Pmin TEXT, Pmax TEXT, Dmax TEXT)");
        QTest::newRow("missing file") << "HEA.DB" << QStringList() << QByteArray() << "no such file";
        QTest::newRow("not a database") << "HEA.DB" << QStringList() << QByteArray("designation,h,b\nHEA 100,96,100\n")
                                        << "is not a table file";
        QTest::newRow("empty file") << "HEA.DB" << QStringList() << QByteArray("") << "holds no table";
        QTest::newRow("truncated database") << "HEA.DB" << QStringList{"truncate"} << QByteArray() << "HEA.DB";
        QTest::newRow("two tables") << "HEA.DB" << QStringList{create, "CREATE TABLE u (x)"} << QByteArray()
                                    << "holds 2 tables";
        QTest::newRow("declared field missing")
            << "HEA.DB"
            << QStringList{"CREATE TABLE t (Supply TEXT, Designation TEXT, h REAL, b REAL, tf REAL, R REAL, "
                           "Pmin TEXT, Pmax TEXT, Dmax TEXT)"}
            << QByteArray() << "lacks the field \"tw\"";
        QTest::newRow("text in a float field")
            << "HEA.DB" << QStringList{create, "INSERT INTO t VALUES ('', 'HEA 100', 96, 'wide', 5, 8, 12, '', '', '')"}
            << QByteArray() << "field \"b\" holds the text \"wide\" where a number is expected";
        QTest::newRow("number in a text field")
            << "HEA.DB" << QStringList{"CREATE TABLE t (Supply, Designation, h, b, tw, tf, R, Pmin, Pmax, Dmax)",
                                       "INSERT INTO t VALUES ('', 42, 96, 100, 5, 8, 12, '', '', '')"}
            << QByteArray() << "field \"Designation\" holds the number 42 where a text is expected";
        QTest::newRow("text too long")
            << "HEA.DB" << QStringList{create, "INSERT INTO t VALUES ('', 'HEA 100', 96, 100, 5, 8, 12, '123456789', '', '')"}
            << QByteArray() << "field \"Pmin\" holds 9 characters; at most 8 fit";
    }
    void unusableFiles()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, sql);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(file);
        if (sql == QStringList{"truncate"}) {
            fixture::writeTable(dir.path(), file, decl::iLamParTable, heRows());
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 2 + 100));
        } else if (!sql.isEmpty()) {
            sqlFile(path, sql);
        } else if (QTest::currentDataTag() != QByteArray("missing file")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        const QByteArray before = QFileInfo::exists(path) ? digest(path) : QByteArray();

        Table t(decl::iLamParTable);
        t.setDirectory(dir.path());
        t.setFileName(file);
        try {
            t.open();
            QFAIL("the table opened");
        } catch (const TableError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
            QVERIFY2(e.message().contains(file), qPrintable(e.message()));
        }
        QVERIFY(!t.isOpen());
        QCOMPARE(t.recordCount(), 0);
        if (!before.isEmpty())
            QCOMPARE(digest(path), before); // nothing written
        // No journal or other file was left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), before.isEmpty() ? 0 : 1);
    }

    void alteredTablesAreRefused_data()
    {
        QTest::addColumn<QStringList>("sql"); // run on a supplied table without sealing it again
        QTest::addColumn<QString>("message");
        const QString altered = QStringLiteral("has been altered or damaged: its contents do not match the checksum");
        QTest::newRow("a designation changed")
            << QStringList{"UPDATE rows SET Designation = 'HEB 344' WHERE Designation = 'HEB 300'"} << altered;
        QTest::newRow("a dimension changed") << QStringList{"UPDATE rows SET tf = 19.5 WHERE Designation = 'HEB 300'"}
                                             << altered;
        QTest::newRow("a text cut short") << QStringList{"UPDATE rows SET Designation = 'HEB 3'"} << altered;
        QTest::newRow("a row added")
            << QStringList{"INSERT INTO rows (Designation, h, b, tw, tf, R) VALUES ('HEB 500', 500, 300, 14.5, 28, 27)"}
            << altered;
        QTest::newRow("a row removed") << QStringList{"DELETE FROM rows WHERE Designation = 'HEB 400'"} << altered;
        QTest::newRow("no checksum") << QStringList{"PRAGMA application_id = 0", "PRAGMA user_version = 0"}
                                     << "has been altered or damaged: it carries no content checksum";
        QTest::newRow("write-ahead log") << QStringList{"PRAGMA journal_mode = WAL"} << "write-ahead-log mode";
    }
    void alteredTablesAreRefused()
    {
        // A file whose contents changed after it was supplied (SQLite's own
        // checks pass: the structure is sound) is refused with what to do,
        // and reading it writes nothing.
        QFETCH(QStringList, sql);
        QFETCH(QString, message);
        QTemporaryDir dir;
        fixture::writeTable(dir.path(), QStringLiteral("HEB.DB"), decl::iLamParTable, heRows());
        const QString path = QDir(dir.path()).filePath(QStringLiteral("HEB.DB"));
        sqlFile(path, sql, false);
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        const QByteArray before = digest(path);
        Table t(decl::iLamParTable);
        t.setDirectory(dir.path());
        t.setFileName(QStringLiteral("HEB.DB"));
        try {
            t.open();
            QFAIL("the table opened");
        } catch (const TableError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("HEB.DB")), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("tolmo-cli seal")), qPrintable(e.message()));
        }
        QCOMPARE(digest(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
    }

    void readingIgnoresAndCreatesNoJournal()
    {
        // A journal left beside the table (a crashed editor's) neither stops
        // the read nor is touched, and reading creates no file.
        QTemporaryDir dir;
        fixture::writeTable(dir.path(), QStringLiteral("HEB.DB"), decl::iLamParTable, heRows());
        QFile journal(QDir(dir.path()).filePath(QStringLiteral("HEB.DB-journal")));
        QVERIFY(journal.open(QIODevice::WriteOnly));
        journal.write(QByteArray(1024, '\x5a'));
        journal.close();
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        const QByteArray before = digest(QDir(dir.path()).filePath(QStringLiteral("HEB.DB")));
        Table t(decl::iLamParTable);
        t.setDirectory(dir.path());
        t.setFileName(QStringLiteral("HEB.DB"));
        t.open();
        QCOMPARE(t.recordCount(), int(heRows().size()));
        t.close();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
        QCOMPARE(digest(QDir(dir.path()).filePath(QStringLiteral("HEB.DB"))), before);
    }

    void unknownFieldNameIsAnError()
    {
        Table t(decl::iLamParTable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("HEB.DB"));
        t.open();
        QVERIFY_THROWS_EXCEPTION(TableError, t.field(QStringLiteral("Standard")));
    }

    void readingLeavesTheFileUntouched()
    {
        const QString path = QDir(m_dir.path()).filePath(QStringLiteral("HEB.DB"));
        const QByteArray before = digest(path);
        const QDateTime modified = QFileInfo(path).lastModified();
        Table t(decl::iLamParTable);
        t.setDirectory(m_dir.path());
        t.setFileName(QStringLiteral("HEB.DB"));
        t.open();
        t.close();
        QCOMPARE(digest(path), before);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
    }
};

QTEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
