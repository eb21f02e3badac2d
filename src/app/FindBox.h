#pragma once

#include <QLineEdit>

#include <functional>

class QCompleter;
class QStringListModel;

// The toolbar's box that finds a section by its designation: a list of the
// designations the typed text may begin drops down while typing; Enter asks
// for the size, and Enter again on the same text (or Ctrl+Enter at once) for
// its property sheet.
class FindBox : public QLineEdit {
    Q_OBJECT
public:
    explicit FindBox(QWidget *parent = nullptr);

    // The designations offered for a typed text.
    using Completions = std::function<QStringList(const QString &typed)>;
    void setCompletions(Completions completions) { m_completions = std::move(completions); }
    QCompleter *completer() const { return m_completer; }

    // The size asked for is shown: Enter on the same text now asks for the sheet.
    void setShown(bool shown) { m_shown = shown; }
    bool shown() const { return m_shown; }
    // No size has that name: the box is emptied and says so in the current language.
    void showUnknown(const QString &text);
    // The placeholder of the current language (hints are the translator's).
    void retranslate();

signals:
    // Enter on a text; sheet: Ctrl+Enter, or Enter again once the size is shown.
    void findRequested(const QString &text, bool sheet);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void edited(const QString &text);

    Completions m_completions;
    QCompleter *m_completer;
    QStringListModel *m_model;
    bool m_shown = false;
};
