#include "cli/Cli.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// The tool speaks through its own lines only (one on a failure): Qt's
// notices of the offscreen platform ("XDG_RUNTIME_DIR not set") are dropped,
// its critical and fatal messages still reach standard error.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    // PDF output needs fonts and a paint engine, never a display: the
    // offscreen platform unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    args.removeFirst();
    const int code = cli::run(args, out, err, QCoreApplication::applicationDirPath());
    out.flush();
    err.flush();
    return code;
}
