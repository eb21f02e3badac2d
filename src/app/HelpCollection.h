#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

#include <memory>
#include <stdexcept>

class QHelpEngine;

// A help file that cannot be shown: the message names the file.
class HelpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The compiled help of one language: every help file "<PREFIX>-<NAME>.hlp"
// of the application directory with the prefix of the file asked for (Qt
// compressed help under the program's file names), registered in a help
// collection of the user's cache folder, because the help engine writes its
// collection and its search index and the application directory may be
// read-only. Pages are addressed as qthelp://<namespace>/help/<LANG>/<NAME>/<page>.
class HelpCollection {
public:
    // Opens the collection for helpFile and registers it with its sibling
    // files of the same prefix. Throws HelpError when helpFile is missing
    // or is not a help file that can be read.
    explicit HelpCollection(const QString &helpFile);
    ~HelpCollection();
    HelpCollection(const HelpCollection &) = delete;
    HelpCollection &operator=(const HelpCollection &) = delete;

    // "<folder>/<PREFIX>": one collection per language and folder.
    static QString keyOf(const QString &helpFile);
    const QString &key() const { return m_key; }
    QHelpEngine *engine() const { return m_engine.get(); }

    // The namespace of a registered help file, empty for another file.
    QString namespaceOf(const QString &helpFile) const;
    // The page of a topic number (<NUMBER>-<slug>.html) in the help file,
    // or an empty address when it has none.
    QUrl topicPage(const QString &helpFile, int context) const;
    // The first page of the help file's contents, or an empty address.
    QUrl firstPage(const QString &helpFile) const;
    // A page of the same file name (the same page in another language),
    // or an empty address.
    QUrl samePage(const QString &helpFile, const QString &pageName) const;
    // The address under which the collection holds a page: a link between
    // help files keeps the namespace of the page it starts from, so it is
    // looked up in every help file. Empty when no help file has it.
    QUrl resolve(const QUrl &url) const;
    QByteArray data(const QUrl &url) const;

    struct Found {
        QString title;
        QUrl page;
    };
    // Full-text search: the pages of every help file of the collection
    // whose text holds every word of the input, ignoring case, in the order
    // of the help files and their pages. Runs at once, on the pages
    // themselves (Qt's search engine indexes in a thread of its own).
    QList<Found> search(const QString &input) const;

private:
    QString m_key;
    std::unique_ptr<QHelpEngine> m_engine;
    mutable QHash<QString, QList<QUrl>> m_files; // of each namespace
    mutable QHash<QUrl, QPair<QString, QString>> m_texts; // title and plain text of each page
};
