#include "cli/Cli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    args.removeFirst();
    const int code = cli::run(args, out, err, QCoreApplication::applicationDirPath());
    out.flush();
    err.flush();
    return code;
}
