#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <map>
#include <memory>

class AppContext;
class HelpCollection;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTextBrowser;

// The program's help window: the compiled help of the current language
// (HelpCollection) with its contents, index and full-text search beside the
// page shown. A help command names a help file of the application directory
// and a topic number; the page of the topic is <NUMBER>-<slug>.html of that
// help file. One window serves every command and follows the language switch.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // Shows the page of a topic in a help file (context < 0: the help file's
    // contents, index and search, at its first page), reusing the one help
    // window. A missing or unreadable help file, or a topic without a page,
    // is reported in a message box naming the file.
    static void show(const QString &helpFile, int context);
    static HelpViewer *current();
    // The language switch: an open help window shows the same page of the
    // help file of the new language (or, in its page, why it cannot).
    static void followLanguage(const AppContext &context);

    ~HelpViewer() override;

    QString file() const { return m_file; }
    int context() const { return m_context; }
    QTextBrowser *browser() const { return m_browser; }
    // The address of the page shown.
    QUrl page() const;
    // Contents, Index and Search of the help shown.
    QTabWidget *navigation() const;
    QLineEdit *indexFilter() const;
    // The search: the words, the button and the pages found.
    QLineEdit *searchInput() const;
    QPushButton *searchButton() const;
    QListWidget *searchResults() const;
    HelpCollection *collection() const;

private:
    struct Panel;
    HelpViewer();
    // Opens the help file at the address (empty: its topic, or its first page).
    void open(const QString &helpFile, int context, const QUrl &at = {});
    Panel &panelFor(const QString &helpFile);
    void showPage(const QUrl &url);
    void retranslate();

    QStackedWidget *m_navigation;
    QTextBrowser *m_browser;
    std::map<QString, std::unique_ptr<Panel>> m_panels;
    Panel *m_panel = nullptr;
    QString m_file;
    int m_context = 0;
};
