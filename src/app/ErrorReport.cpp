#include "app/ErrorReport.h"

#include "browse/Texts.h"
#include "data/AppGlobals.h"

#include <QMessageBox>

namespace errorreport {

namespace {

void showBox(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

Presenter g_presenter = showBox;

} // namespace

QString text(const QString &message) { return texts::errorText(message); }

void show(const QString &message) { g_presenter(app::ApplicationTitle(), text(message)); }

void show(const std::exception &error) { show(QString::fromUtf8(error.what())); }

void setPresenter(Presenter presenter) { g_presenter = presenter ? presenter : showBox; }

} // namespace errorreport

TolmoApplication::TolmoApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TolmoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        errorreport::show(e);
    } catch (...) {
        errorreport::show(QStringLiteral("Unknown error"));
    }
    return false;
}
