// Where the settings file is read and written: beside the program while its
// directory may be written; for an installed program, whose directory is
// read-only, in the user's configuration folder, read first, with the file a
// supplier ships in the application directory behind it.
#include "app/ErrorReport.h"
#include "app/Settings.h"
#include "app/TPrincipalFm.h"
#include "data/Declarations.h"
#include "support/Fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList g_reports;
void recordReport(const QString &, const QString &text) { g_reports << text; }
bool yes(QWidget *, const QString &) { return true; }

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An application directory that may not be written, as an installation
// leaves it (without write permission, which holds for the administrator
// too); writable again when the test is done, so it can be removed.
class ReadOnlyDir {
public:
    explicit ReadOnlyDir(const QString &path) : m_path(path)
    {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                          | QFile::ReadOther | QFile::ExeOther);
    }
    ~ReadOnlyDir() { QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

private:
    QString m_path;
};

} // namespace

class TestSettingsLocation : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QTemporaryDir> m_app;
    AppContext m_context;

    QString shipped() const { return settings::appDirFile(m_context); }
    QString user() const { return settings::userFile(); }

private slots:
    void initTestCase() { errorreport::setPresenter(recordReport); }
    void init()
    {
        // A user configuration folder of the test's own.
        m_home = std::make_unique<QTemporaryDir>();
        m_app = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QDir(m_home->path()).filePath("config").toUtf8());
        m_context.setAppDir(m_app->path());
        g_reports.clear();
    }

    void theFiles()
    {
        QCOMPARE(user(), QDir(m_home->path()).filePath("config/tolmo/PTolmo2.ini"));
        QCOMPARE(shipped(), QDir(m_app->path()).filePath("PTolmo2.ini"));
        QVERIFY(settings::appDirWritable(m_context));
        QCOMPARE(settings::filePath(m_context), shipped());
        ReadOnlyDir readOnly(m_app->path());
        QVERIFY(!settings::appDirWritable(m_context));
        QCOMPARE(settings::filePath(m_context), user());
    }

    void language_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QByteArray>("shippedIni"); // empty: no file
        QTest::addColumn<QByteArray>("userIni");
        QTest::addColumn<int>("read");
        QTest::newRow("read-only, nothing: Spanish") << true << QByteArray() << QByteArray() << 2;
        QTest::newRow("read-only, shipped English") << true << QByteArray("[Idioma]\nCodigo=1\n") << QByteArray() << 1;
        QTest::newRow("read-only, the user's choice first")
            << true << QByteArray("[Idioma]\nCodigo=1\n") << QByteArray("[Idioma]\nCodigo=2\n") << 2;
        QTest::newRow("read-only, a user's file without the key")
            << true << QByteArray("[Idioma]\nCodigo=1\n") << QByteArray("[Internet]\nSite=x\n") << 1;
        QTest::newRow("read-only, a garbled user's file")
            << true << QByteArray("[Idioma]\nCodigo=1\n") << QByteArray("[Idioma\nCodigo=\xff==[[\n") << 1;
        QTest::newRow("writable: only the directory's file")
            << false << QByteArray("[Idioma]\nCodigo=2\n") << QByteArray("[Idioma]\nCodigo=1\n") << 2;
        QTest::newRow("writable, no file: the user's is not read")
            << false << QByteArray() << QByteArray("[Idioma]\nCodigo=1\n") << 2;
    }
    void language()
    {
        QFETCH(bool, readOnly);
        QFETCH(QByteArray, shippedIni);
        QFETCH(QByteArray, userIni);
        QFETCH(int, read);
        if (!shippedIni.isEmpty())
            writeFile(shipped(), shippedIni);
        if (!userIni.isEmpty())
            writeFile(user(), userIni);
        std::unique_ptr<ReadOnlyDir> guard;
        if (readOnly)
            guard = std::make_unique<ReadOnlyDir>(m_app->path());
        QCOMPARE(int(settings::readLanguage(m_context)), read);

        // The other language is written where the settings are written and
        // read back; the shipped file stays as it was.
        const Language other = read == 1 ? Language::Spanish : Language::English;
        const QByteArray userBefore = readFile(user());
        settings::writeLanguage(m_context, other);
        QCOMPARE(settings::readLanguage(m_context), other);
        if (readOnly) {
            QCOMPARE(readFile(shipped()), shippedIni);
            QSettings s(user(), QSettings::IniFormat);
            QCOMPARE(s.value("Idioma/Codigo").toInt(), int(other));
            if (userIni.contains("Site"))
                QCOMPARE(s.value("Internet/Site").toString(), QStringLiteral("x"));
        } else {
            QCOMPARE(readFile(user()), userBefore);
            QVERIFY(readFile(shipped()).contains(QByteArray("Codigo=") + QByteArray::number(int(other))));
        }
    }

    void internetKeys()
    {
        writeFile(shipped(), "[Internet]\nSite=www.supplier.example\nGeneral=info@supplier.example\n");
        writeFile(user(), "[Idioma]\nCodigo=1\n[Internet]\nGeneral=me@example.org\n");
        ReadOnlyDir readOnly(m_app->path());
        QCOMPARE(settings::readInternet(m_context, "Site", "default"), QStringLiteral("www.supplier.example"));
        QCOMPARE(settings::readInternet(m_context, "General", "default"), QStringLiteral("me@example.org"));
        QCOMPARE(settings::readInternet(m_context, "Vantiro", "default"), QStringLiteral("default"));
    }

    void theUsersFolderCannotBeWritten()
    {
        // A file where the folder should be.
        writeFile(QDir(m_home->path()).filePath("config/tolmo"), "not a folder");
        ReadOnlyDir readOnly(m_app->path());
        try {
            settings::writeLanguage(m_context, Language::English);
            QFAIL("the write did not fail");
        } catch (const std::exception &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(user())));
        }
    }

    // The fault this mends: an installed program kept no language choice.
    void anInstalledProgramKeepsTheLanguage()
    {
        fixture::writeTable(m_app->path(), "HEB.DB", decl::iLamParTable, {});
        ReadOnlyDir readOnly(m_app->path());
        {
            TPrincipalFm w(nullptr, m_app->path());
            w.setExitConfirmation(yes);
            QCOMPARE(w.context().language(), Language::Spanish);
            w.findChild<QAction *>("InglesMn")->trigger();
        }
        QVERIFY2(g_reports.isEmpty(), qPrintable(g_reports.join(u'\n')));
        QVERIFY(!QFile::exists(shipped()));
        TPrincipalFm again(nullptr, m_app->path());
        again.setExitConfirmation(yes);
        QCOMPARE(again.context().language(), Language::English);
    }
};

int main(int argc, char **argv)
{
    TolmoApplication app(argc, argv);
    TestSettingsLocation test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settingslocation.moc"
