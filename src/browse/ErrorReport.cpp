#include "browse/ErrorReport.h"

#include "browse/Texts.h"
#include "data/AppGlobals.h"

#include <QApplication>
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

void showCurrent() noexcept
{
    // Reporting must not throw in turn: a report that fails itself is
    // logged, since there is no one left to catch it.
    try {
        try {
            throw;
        } catch (const std::exception &e) {
            show(e);
        } catch (...) {
            show(QStringLiteral("Unknown error"));
        }
    } catch (...) {
        qCritical("tolmo: an error report failed");
    }
}

} // namespace errorreport
