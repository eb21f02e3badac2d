// tolmo-helpc HELP_DIR LANG NAME STAGE_DIR
//
// Checks the readable sources of one help file (HELP_DIR/LANG/NAME/: the
// pages and contents.txt, with the pictures of HELP_DIR/images) and writes
// into STAGE_DIR the Qt help project LANG-NAME.qhp with the pages and
// pictures it lists, which qhelpgenerator compiles into the help file
// LANG-NAME.hlp of the application directory. Exit 0 on success, 1 with one
// line on standard error naming the file and the fault.
#include "HelpSource.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        err << "usage: tolmo-helpc HELP_DIR LANG NAME STAGE_DIR\n";
        return 2;
    }
    try {
        const helpsource::HelpFile file = helpsource::read(args[1], args[2], args[3]);
        helpsource::writeProject(args[1], file, args[4]);
    } catch (const std::exception &e) {
        err << "tolmo-helpc: " << QString::fromUtf8(e.what()) << '\n';
        return 1;
    }
    return 0;
}
