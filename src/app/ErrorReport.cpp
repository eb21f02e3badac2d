#include "app/ErrorReport.h"

TolmoApplication::TolmoApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TolmoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        qCritical("tolmo: an error escaped a handler without guarded(): %s", e.what());
    } catch (...) {
        qCritical("tolmo: an unknown error escaped a handler without guarded()");
    }
    return false;
}
