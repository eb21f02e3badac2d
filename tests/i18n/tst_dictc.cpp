// The readable translation table dictc compiles, and the files it writes.
#include "MldWriter.h"
#include "TranslationTable.h"

#include <QTest>

#include <stdexcept>

class TestDictc : public QObject {
    Q_OBJECT
private slots:
    void readsFields_data();
    void readsFields();
    void refusesBadLines_data();
    void refusesBadLines();
    void chooseContextKind();
    void refusesTextsThe8BitFormCannotHold();
    void headerLayout_data();
    void headerLayout();
};

void TestDictc::readsFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields"); // native, Spanish, class, component

    QTest::newRow("native and Spanish") << "Close\tCerrar" << QStringList{"Close", "Cerrar", "", ""};
    QTest::newRow("non-ASCII") << QString::fromUtf8("Do you want to exit?\t¿Desea salir?")
                               << QStringList{"Do you want to exit?", QString::fromUtf8("¿Desea salir?"), "", ""};
    QTest::newRow("quoted trailing space") << "\"Record \"\t\"Registro \"" << QStringList{"Record ", "Registro ", "", ""};
    QTest::newRow("quoted leading spaces") << QString::fromUtf8("\"  In accordance\"\t\"  Según\"")
                                           << QStringList{"  In accordance", QString::fromUtf8("  Según"), "", ""};
    QTest::newRow("escapes") << "a\\tb\\nc\\rd\\\\e\tx\\\"y" << QStringList{"a\tb\nc\rd\\e", "x\"y", "", ""};
    QTest::newRow("quote inside a quoted text") << "\" say \\\"hi\\\" \"\tok" << QStringList{" say \"hi\" ", "ok", "", ""};
    QTest::newRow("no Spanish") << "Steel" << QStringList{"Steel", "", "", ""};
    QTest::newRow("contexts") << "Properties\tPropiedades\tTILPFm\tTabSheet1"
                              << QStringList{"Properties", "Propiedades", "TILPFm", "TabSheet1"};
    QTest::newRow("component only") << "Properties\tPropiedades\t\tTabSheet1"
                                    << QStringList{"Properties", "Propiedades", "", "TabSheet1"};
    QTest::newRow("windows line end") << "Close\tCerrar\r" << QStringList{"Close", "Cerrar", "", ""};
}

void TestDictc::readsFields()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    const QString text = "# a comment\n\n" + line + "\n";
    const QList<dictc::Row> rows = dictc::parse(text, "t.tsv");
    QCOMPARE(rows.size(), 1);
    QCOMPARE((QStringList{rows[0].native, rows[0].spanish, rows[0].className, rows[0].component}), fields);
    QCOMPARE(rows[0].line, 3);
}

void TestDictc::refusesBadLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("unquoted trailing space") << "Record \tRegistro "
                                             << "t.tsv:1: quote a text that begins or ends with a space: \"Record \"";
    QTest::newRow("unknown escape") << "a\\qb\tx" << "t.tsv:1: unknown escape \\q";
    QTest::newRow("backslash at the end") << "ab\\\tx" << "t.tsv:1: a backslash ends the text";
    QTest::newRow("open quote") << "\"Record \tx" << "t.tsv:1: a quoted text needs its closing quote: \"Record ";
    QTest::newRow("five fields") << "a\tb\tc\td\te" << "t.tsv:1: 5 fields; a line holds at most 4";
    QTest::newRow("empty native") << "\tCerrar" << "t.tsv:1: the native text is empty";
    QTest::newRow("twice") << "Close\tCerrar\n#\nClose\tCierre" << "t.tsv:3: \"Close\" is listed twice with the same context";
}

void TestDictc::refusesBadLines()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        dictc::parse(text, "t.tsv");
        QFAIL("accepted");
    } catch (const std::runtime_error &e) {
        QCOMPARE(QString::fromUtf8(e.what()), message);
    }
}

void TestDictc::chooseContextKind()
{
    const QList<dictc::Row> plain = dictc::parse("Close\tCerrar\n", "t");
    QCOMPARE(dictc::programDocument(plain).contextKind, int(mld::NoContext));
    const QList<dictc::Row> withContext = dictc::parse("Close\tCerrar\nClose\tCierre\tTFm\n", "t");
    const mld::Document d = dictc::programDocument(withContext);
    QCOMPARE(d.contextKind, int(mld::ClassAndComponent));
    QCOMPARE(d.languages.size(), 3);
    // Language 1 is English: the native text itself.
    QCOMPARE(d.records.at(1).columns, (QStringList{"Close", "Cierre"}));
    QCOMPARE(dictc::programDocument(withContext, mld::ClassOnly).contextKind, int(mld::ClassOnly));
}

void TestDictc::refusesTextsThe8BitFormCannotHold()
{
    mld::Document d = dictc::programDocument(dictc::parse(QString::fromUtf8("Close\tЗакрыть\n"), "t"));
    d.wide = false;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, mld::write(d));
    d.wide = true;
    QVERIFY(mld::write(d).startsWith("MLD"));
}

void TestDictc::headerLayout_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<QByteArray>("first8"); // signature, version, order, width at 5, kind, width at 7
    QTest::newRow("v3 little-endian UTF-16") << 3 << false << true << QByteArray("MLD\x03\x01\x00\x00\x00", 8);
    QTest::newRow("v3 big-endian 8-bit") << 3 << true << false << QByteArray("MLD\x03\x00\x01\x00\x00", 8);
    // Version 1 keeps the width at offset 7; offset 5 holds the opposite.
    QTest::newRow("v1 8-bit") << 1 << false << false << QByteArray("MLD\x01\x01\x00\x00\x01", 8);
    QTest::newRow("v1 UTF-16") << 1 << false << true << QByteArray("MLD\x01\x01\x01\x00\x00", 8);
}

void TestDictc::headerLayout()
{
    QFETCH(int, version);
    QFETCH(bool, bigEndian);
    QFETCH(bool, wide);
    QFETCH(QByteArray, first8);
    mld::Document d = dictc::programDocument(dictc::parse("Close\tCerrar\n", "t"));
    d.version = version;
    d.bigEndian = bigEndian;
    d.wide = wide;
    const QByteArray bytes = mld::write(d);
    QCOMPARE(bytes.left(8), first8);
    // The languages follow the 42-byte header.
    QCOMPARE(bytes.at(bigEndian ? 17 : 14), char(42));
}

QTEST_APPLESS_MAIN(TestDictc)
#include "tst_dictc.moc"
