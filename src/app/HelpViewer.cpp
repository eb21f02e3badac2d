#include "app/HelpViewer.h"

#include "browse/Texts.h"
#include "data/AppGlobals.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPointer<HelpViewer> g_viewer;
}

HelpViewer::HelpViewer() : m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::Window);
    resize(640, 560);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
}

HelpViewer *HelpViewer::current() { return g_viewer; }

void HelpViewer::show(const QString &helpFile, int context)
{
    if (!QFileInfo(helpFile).isFile()) {
        QMessageBox::warning(QApplication::activeWindow(), app::ApplicationTitle(),
                             texts::TranslateString(QStringLiteral("The help file %1 is missing."))
                                 .arg(QDir::toNativeSeparators(helpFile)));
        return;
    }
    if (!g_viewer)
        g_viewer = new HelpViewer;
    g_viewer->open(helpFile, context);
    g_viewer->QWidget::show();
    g_viewer->raise();
    g_viewer->activateWindow();
}

void HelpViewer::open(const QString &helpFile, int context)
{
    m_file = helpFile;
    m_context = context;
    QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
    if (context >= 0)
        url.setFragment(QString::number(context));
    // The files end in .hlp; they are HTML all the same.
    m_browser->setSource(url, QTextDocument::HtmlResource);
    if (context >= 0)
        m_browser->scrollToAnchor(QString::number(context));
    else
        m_browser->moveCursor(QTextCursor::Start);
    setWindowTitle(m_browser->documentTitle().isEmpty() ? app::ApplicationTitle() : m_browser->documentTitle());
}
