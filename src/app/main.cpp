#include "app/ErrorReport.h"
#include "app/TPrincipalFm.h"
#include "app/TSobreFm.h"
#include "data/AppGlobals.h"

#include <QFont>

#include <cstdio>

int main(int argc, char **argv)
{
    TolmoApplication application(argc, argv);
    // 1. The title of the taskbar entry, of message boxes and error reports.
    app::setApplicationTitle(QString::fromLatin1(app::kNativeTitle));
    QApplication::setApplicationName(QStringLiteral("tolmo"));
    // The layouts are measured in Arial 8 (Liberation Sans on Debian).
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    // 2-4. The main window, shown, its toolbar painted before the table check.
    TPrincipalFm principal;
    principal.show();
    principal.toolBarPanel()->repaint();
    // 5. The About window after the first table opening; an error here ends
    // the program after the box.
    try {
        TSobreFm about(principal.context(), &principal);
        about.FirstShowModal();
    } catch (const std::exception &e) {
        // Also on standard error, for whoever started the program from a
        // terminal or a script.
        std::fprintf(stderr, "tolmo: %s\n", e.what());
        errorreport::show(e);
        return 1;
    }
    // 6.
    return application.exec();
}
