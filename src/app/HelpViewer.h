#pragma once

#include <QPointer>
#include <QWidget>

class QTextBrowser;

// The program's help window: a help file is an HTML page whose topics carry
// their context numbers as anchors (<a name="1000">); the list of topics is
// the top of the page.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // Shows the topic of a context in a help file (context < 0: the list of
    // topics), reusing the one help window. A missing file is reported.
    static void show(const QString &helpFile, int context);
    static HelpViewer *current();

    QString file() const { return m_file; }
    int context() const { return m_context; }
    QTextBrowser *browser() const { return m_browser; }

private:
    HelpViewer();
    void open(const QString &helpFile, int context);

    QTextBrowser *m_browser;
    QString m_file;
    int m_context = 0;
};
