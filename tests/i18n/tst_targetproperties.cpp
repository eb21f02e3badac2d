// Target lists: the stored form of window layouts and the exact target test.
#include "i18n/IvErrors.h"
#include "i18n/IvTargetProperties.h"

#include <QTest>

class TestTargetProperties : public QObject {
    Q_OBJECT
private slots:
    void parsesStoredForm_data();
    void parsesStoredForm();
    void refusesBadData_data();
    void refusesBadData();
    void storedFormRoundTrips();
    void targetTest_data();
    void targetTest();
};

void TestTargetProperties::parsesStoredForm_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QStringList>("entries"); // "class|property|kind", empty names as ""
    QTest::addColumn<int>("exclusions");

    QTest::newRow("sheet window") << "(1 3 ('*' 'Hint' 0) ('*' 'Caption' 0) ('TSpeedButton' 'Hint' 0))"
                                  << QStringList{"|Hint|0", "|Caption|0", "TSpeedButton|Hint|0"} << 0;
    QTest::newRow("equal entry dropped") << "(1 3 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Hint' 0))"
                                         << QStringList{"|Hint|0", "|Caption|0"} << 0;
    QTest::newRow("same names other kind kept") << "(1 2 ('*' 'Hint' 0) ('*' 'Hint' 1))"
                                                << QStringList{"|Hint|0", "|Hint|1"} << 1;
    QTest::newRow("class with every property") << "(1 1 ('TLabel' '*' 0))" << QStringList{"TLabel||0"} << 0;
    QTest::newRow("quote inside a name") << "(1 1 ('*' 'It''s' 0))" << QStringList{"|It's|0"} << 0;
    QTest::newRow("line breaks and blanks") << "(1\n 1\n\t( '*'  'Items'  0 )\n)" << QStringList{"|Items|0"} << 0;
    QTest::newRow("empty list") << "(1 0)" << QStringList{} << 0;
}

void TestTargetProperties::parsesStoredForm()
{
    QFETCH(QString, data);
    QFETCH(QStringList, entries);
    QFETCH(int, exclusions);
    const TIvTargetProperties targets = TIvTargetProperties::fromData(data);
    QStringList got;
    for (const TIvTargetProperty &e : targets.entries())
        got << QStringLiteral("%1|%2|%3").arg(e.className, e.propertyName).arg(int(e.kind));
    QCOMPARE(got, entries);
    QCOMPARE(targets.exclusionCount(), exclusions);
}

void TestTargetProperties::refusesBadData_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("message"); // the message, or its beginning followed by "..."

    QTest::newRow("version 2") << "(2 1 ('*' 'Hint' 0))" << "Unknown target properties data version: 2";
    QTest::newRow("version 17") << "(17 0)" << "Unknown target properties data version: 17";
    QTest::newRow("no list") << "1 1 ('*' 'Hint' 0)" << "Invalid target properties data...";
    QTest::newRow("count beyond entries") << "(1 2 ('*' 'Hint' 0))" << "Invalid target properties data...";
    QTest::newRow("unquoted name") << "(1 1 (* Hint 0))" << "Invalid target properties data...";
    QTest::newRow("open quote") << "(1 1 ('*' 'Hint 0))" << "Invalid target properties data...";
    QTest::newRow("text after the list") << "(1 0) x" << "Invalid target properties data...";
}

void TestTargetProperties::refusesBadData()
{
    QFETCH(QString, data);
    QFETCH(QString, message);
    try {
        TIvTargetProperties::fromData(data);
        QFAIL("accepted");
    } catch (const EIvMulti &e) {
        if (message.endsWith(QLatin1String("...")))
            QVERIFY2(e.message().startsWith(message.chopped(3)), qPrintable(e.message()));
        else
            QCOMPARE(e.message(), message);
    }
}

void TestTargetProperties::storedFormRoundTrips()
{
    TIvTargetProperties targets;
    targets.add(QString(), QStringLiteral("Hint"));
    targets.add(QStringLiteral("TSpeedButton"), QString(), TIvTargetProperty::Exclude);
    targets.add(QStringLiteral("T'Odd"), QStringLiteral("Caption"));
    const TIvTargetProperties again = TIvTargetProperties::fromData(targets.toData());
    QCOMPARE(again.entries(), targets.entries());
    QCOMPARE(again.exclusionCount(), 1);
}

void TestTargetProperties::targetTest_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<bool>("target");

    const QString sheet = "(1 3 ('*' 'Hint' 0) ('*' 'Caption' 0) ('TSpeedButton' 'Hint' 0))";
    QTest::newRow("any class, named property") << sheet << "QPushButton" << "Caption" << true;
    QTest::newRow("property case ignored") << sheet << "QLabel" << "caption" << true;
    QTest::newRow("property not listed") << sheet << "QComboBox" << "Items" << false;
    const QString speed = "(1 1 ('TSpeedButton' 'Hint' 0))";
    QTest::newRow("own class") << speed << "TSpeedButton" << "Hint" << true;
    QTest::newRow("class case ignored") << speed << "tspeedbutton" << "HINT" << true;
    QTest::newRow("other class") << speed << "QToolButton" << "Hint" << false;
    QTest::newRow("base class entry, derived object") << "(1 1 ('QAbstractButton' 'Caption' 0))" << "QPushButton"
                                                       << "Caption" << false;
    QTest::newRow("class entry, every property") << "(1 1 ('QLabel' '*' 0))" << "QLabel" << "Hint" << true;
    QTest::newRow("both names empty match nothing") << "(1 1 ('*' '*' 0))" << "QLabel" << "Caption" << false;
    QTest::newRow("exclusion wins") << "(1 2 ('*' 'Hint' 0) ('QLabel' 'Hint' 1))" << "QLabel" << "Hint" << false;
    QTest::newRow("exclusion of another class") << "(1 2 ('*' 'Hint' 0) ('QLabel' 'Hint' 1))" << "QPushButton"
                                                << "Hint" << true;
    QTest::newRow("only exclusions") << "(1 1 ('QLabel' 'Hint' 1))" << "QPushButton" << "Hint" << false;
    QTest::newRow("empty list") << "(1 0)" << "QLabel" << "Caption" << false;
}

void TestTargetProperties::targetTest()
{
    QFETCH(QString, data);
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(bool, target);
    QCOMPARE(TIvTargetProperties::fromData(data).isTarget(className, property), target);
}

QTEST_APPLESS_MAIN(TestTargetProperties)
#include "tst_targetproperties.moc"
