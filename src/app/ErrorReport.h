#pragma once

#include <QApplication>

#include <exception>

// The general error report: an error that escapes a handler is shown in a
// box titled with the application title, and the program goes on.
namespace errorreport {

// The text shown for a message: translated, with a full stop added when it
// does not end in one.
QString text(const QString &message);
void show(const std::exception &error);
void show(const QString &message);
// Replaces the box (tests record the reports instead of showing them).
using Presenter = void (*)(const QString &title, const QString &text);
void setPresenter(Presenter presenter);

} // namespace errorreport

// The application object: catches what escapes an event handler where Qt
// dispatches events and hands it to the general error report.
class TolmoApplication : public QApplication {
    Q_OBJECT
public:
    TolmoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
