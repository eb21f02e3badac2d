// tolmo-cli pdf all.pdf all: the 24 catalogues of Print > All Reports, from
// the supplied tables of the application directory into one PDF. Measured
// twice: the command in this process, and the real program started for each
// run as a user starts it (process start, Qt and fonts included).
#include "cli/Cli.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

// The application directory: the programs and the supplied tables.
QString appDir() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"); }

} // namespace

static void BM_AllReportsInProcess(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString out = QDir(dir.path()).filePath(QStringLiteral("all.pdf"));
    QString sink;
    QTextStream o(&sink);
    QTextStream e(&sink);
    for (auto _ : state) {
        if (cli::run({QStringLiteral("pdf"), out, QStringLiteral("all")}, o, e, appDir()) != 0) {
            state.SkipWithError(qPrintable(sink));
            return;
        }
    }
    state.counters["kB"] = double(QFile(out).size()) / 1024;
}
BENCHMARK(BM_AllReportsInProcess)->Unit(benchmark::kMillisecond)->MinTime(5)->UseRealTime();

static void BM_AllReportsProcess(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString out = QDir(dir.path()).filePath(QStringLiteral("all.pdf"));
    const QString tool = appDir() + QStringLiteral("/tolmo-cli");
    for (auto _ : state) {
        QProcess p;
        p.start(tool, {QStringLiteral("pdf"), out, QStringLiteral("all")});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            state.SkipWithError(p.readAllStandardError().constData());
            return;
        }
    }
}
BENCHMARK(BM_AllReportsProcess)->Unit(benchmark::kMillisecond)->MinTime(5)->UseRealTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
