#pragma once

#include "browse/ErrorReport.h"

#include <QApplication>

// The application object. Handlers stop their own errors with guarded(); an
// exception that still reaches Qt's event dispatch is a fault of ours, and
// notify only logs it as a last resort.
class TolmoApplication : public QApplication {
    Q_OBJECT
public:
    TolmoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
