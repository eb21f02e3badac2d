// The installation: cmake --install into a temporary prefix gives the
// commands on the PATH, the read-only application directory, the desktop
// entry, icon and AppStream file; the installed command-line tool verifies
// the installed tables and the installed program starts.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestInstall : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_prefix;
    QTemporaryDir m_home;

    QString installed(const QString &path) const { return QDir(m_prefix.path()).filePath(path); }
    QProcessEnvironment environment() const
    {
        // A home of the test's own: nothing of the user's is read or written.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home.path());
        env.insert("XDG_CONFIG_HOME", QDir(m_home.path()).filePath("config"));
        env.insert("XDG_CACHE_HOME", QDir(m_home.path()).filePath("cache"));
        env.remove("QT_QPA_PLATFORM");
        return env;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid() && m_home.isValid());
        const QString build = qEnvironmentVariable("TOLMO_BUILD_DIR");
        const QString cmake = qEnvironmentVariable("TOLMO_CMAKE");
        QVERIFY2(!build.isEmpty() && !cmake.isEmpty(), "TOLMO_BUILD_DIR and TOLMO_CMAKE name the build");
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(cmake, {"--install", build, "--prefix", m_prefix.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    }

    void theInstalledFiles()
    {
        for (const char *command : {"tolmo", "tolmo-cli"}) {
            const QFileInfo link(installed(QStringLiteral("bin/") + QString::fromLatin1(command)));
            QVERIFY2(link.isSymLink(), command);
            QCOMPARE(link.canonicalFilePath(), QFileInfo(installed(QStringLiteral("lib/tolmo/") + QString::fromLatin1(command))).canonicalFilePath());
            QVERIFY(link.isExecutable());
        }
        const QDir app(installed("lib/tolmo"));
        QStringList expected{"PTolmo2.dll", "HEB.DB", "TOL.DB", "AceroMEC.db", "IPN.db", "Ang.db"};
        for (const char *prefix : {"EN", "ES"}) {
            for (const char *file : {"-PFHelp.hlp", "-Imagen.hlp", "-Vantiro.hlp"})
                expected << QString::fromLatin1(prefix) + QString::fromLatin1(file);
        }
        for (const QString &file : expected) {
            const QFileInfo f(app.filePath(file));
            QVERIFY2(f.isFile(), qPrintable(file));
            // Read-only: no write permission for anyone.
            QVERIFY2(!(f.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)), qPrintable(file));
        }
        QVERIFY(!app.exists("PTolmo2.ini"));
        for (const char *file : {"share/applications/example.raroda.Tolmo.desktop",
                                 "share/icons/hicolor/scalable/apps/example.raroda.Tolmo.svg",
                                 "share/metainfo/example.raroda.Tolmo.metainfo.xml"})
            QVERIFY2(QFileInfo(installed(QString::fromLatin1(file))).isFile(), file);
    }

    void theInstalledToolVerifiesTheInstalledTables()
    {
        QProcess cli;
        cli.setProcessEnvironment(environment());
        cli.setProcessChannelMode(QProcess::MergedChannels);
        // By its command, so the tool finds its directory through the link.
        cli.start(installed("bin/tolmo-cli"), {"verify"});
        QVERIFY(cli.waitForFinished(120000));
        const QByteArray out = cli.readAll();
        QVERIFY2(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0, out.constData());
        QVERIFY2(out.contains("HEB"), out.constData());
    }

    // The program comes up on the offscreen platform and stays up: it found
    // its tables, dictionary and plugins, or it would have ended with a
    // message on standard error.
    void theInstalledProgramStarts()
    {
        QProcess program;
        program.setProcessEnvironment(environment());
        program.start(installed("bin/tolmo"), {"-platform", "offscreen"});
        QVERIFY2(program.waitForStarted(30000), qPrintable(program.errorString()));
        QVERIFY2(!program.waitForFinished(8000), program.readAllStandardError().constData());
        const QByteArray errors = program.readAllStandardError();
        program.kill();
        program.waitForFinished(10000);
        for (const QByteArray &line : errors.split('\n')) {
            // Notices of the offscreen platform are not faults.
            if (line.isEmpty() || line.contains("XDG_RUNTIME_DIR") || line.contains("propagateSizeHints"))
                continue;
            QFAIL(line.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
