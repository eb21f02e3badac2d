#include "app/HelpCollection.h"

#include "browse/Texts.h"

#include <algorithm>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHelpEngine>
#include <QHelpLink>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

[[noreturn]] void fail(const QString &message, const QString &file)
{
    throw HelpError(texts::TranslateString(message).arg(native(file)).toStdString());
}

// "EN" of ".../EN-PFHelp.hlp".
QString prefixOf(const QString &helpFile)
{
    const QString name = QFileInfo(helpFile).fileName();
    const qsizetype dash = name.indexOf(u'-');
    return dash > 0 ? name.left(dash) : QFileInfo(helpFile).completeBaseName();
}

} // namespace

QString HelpCollection::keyOf(const QString &helpFile)
{
    return QFileInfo(helpFile).absolutePath() + u'/' + prefixOf(helpFile);
}

HelpCollection::HelpCollection(const QString &helpFile) : m_key(keyOf(helpFile))
{
    const QFileInfo info(helpFile);
    if (!info.isFile())
        fail(QStringLiteral("The help file %1 is missing."), helpFile);
    if (QHelpEngineCore::namespaceName(info.absoluteFilePath()).isEmpty())
        fail(QStringLiteral("The help file %1 cannot be read."), helpFile);

    // One collection per application directory and language.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                          + QStringLiteral("/tolmo/help");
    const QByteArray hash = QCryptographicHash::hash(info.absolutePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    const QString collection = cache + u'/' + prefixOf(helpFile) + u'-' + QString::fromLatin1(hash.left(12)) + QStringLiteral(".qhc");
    if (!QDir().mkpath(cache))
        fail(QStringLiteral("The help cannot be opened: %1 cannot be written."), cache);
    m_engine = std::make_unique<QHelpEngine>(collection);
    // The engine writes its collection (it is read-only unless told).
    m_engine->setReadOnly(false);
    m_engine->setUsesFilterEngine(true);
    if (!m_engine->setupData())
        fail(QStringLiteral("The help cannot be opened: %1 cannot be written."), collection);

    // Register the language's help files; when one was rebuilt, added or
    // removed, all are registered anew.
    const QDateTime collectionTime = QFileInfo(collection).lastModified();
    const QFileInfoList siblings = info.absoluteDir().entryInfoList(
        {prefixOf(helpFile) + QStringLiteral("-*.hlp")}, QDir::Files | QDir::Readable, QDir::Name);
    QList<QPair<QString, QString>> wanted; // namespace, file
    for (const QFileInfo &sibling : siblings) {
        const QString ns = QHelpEngineCore::namespaceName(sibling.absoluteFilePath());
        if (!ns.isEmpty())
            wanted.append({ns, sibling.absoluteFilePath()});
    }
    QStringList registered = m_engine->registeredDocumentations();
    bool current = registered.size() == wanted.size();
    for (const auto &[ns, path] : wanted) {
        current = current && registered.contains(ns) && QFileInfo(m_engine->documentationFileName(ns)) == QFileInfo(path)
                  && QFileInfo(path).lastModified() < collectionTime;
    }
    if (!current) {
        for (const QString &ns : registered)
            m_engine->unregisterDocumentation(ns);
        for (const auto &[ns, path] : wanted) {
            if (!m_engine->registerDocumentation(path))
                fail(QStringLiteral("The help file %1 cannot be read."), path);
        }
    }
    m_engine->setupData();
}

HelpCollection::~HelpCollection() = default;

QString HelpCollection::namespaceOf(const QString &helpFile) const
{
    const QString ns = QHelpEngineCore::namespaceName(QFileInfo(helpFile).absoluteFilePath());
    return m_engine->registeredDocumentations().contains(ns) ? ns : QString();
}

QUrl HelpCollection::topicPage(const QString &helpFile, int context) const
{
    const QString prefix = QString::number(context) + u'-';
    for (const QUrl &url : m_engine->files(namespaceOf(helpFile), QString(), QStringLiteral("html"))) {
        if (url.fileName().startsWith(prefix))
            return url;
    }
    return {};
}

QUrl HelpCollection::firstPage(const QString &helpFile) const
{
    // The help project marks the first page of its contents "start".
    const QString ns = namespaceOf(helpFile);
    for (const QHelpLink &link : m_engine->documentsForIdentifier(QStringLiteral("start"), QString())) {
        if (!ns.isEmpty() && link.url.host() == ns)
            return link.url;
    }
    return {};
}

QUrl HelpCollection::samePage(const QString &helpFile, const QString &pageName) const
{
    for (const QUrl &url : m_engine->files(namespaceOf(helpFile), QString(), QStringLiteral("html"))) {
        if (url.fileName() == pageName)
            return url;
    }
    return {};
}

QUrl HelpCollection::resolve(const QUrl &url) const
{
    if (url.scheme() != u"qthelp")
        return {};
    // The engine would serve a page under any namespace; the address is the
    // one of the help file that holds it.
    QStringList order = m_engine->registeredDocumentations();
    order.removeAll(url.host());
    order.prepend(url.host());
    QUrl page = url;
    page.setFragment(QString());
    for (const QString &ns : order) {
        auto files = m_files.find(ns);
        if (files == m_files.end())
            files = m_files.insert(ns, m_engine->files(ns, QString()));
        page.setHost(ns);
        if (files->contains(page)) {
            QUrl found = page;
            found.setFragment(url.fragment());
            return found;
        }
    }
    return {};
}

QByteArray HelpCollection::data(const QUrl &url) const
{
    const QUrl found = resolve(url);
    return found.isEmpty() ? QByteArray() : m_engine->fileData(found);
}

QList<HelpCollection::Found> HelpCollection::search(const QString &input) const
{
    const QStringList words = input.toLower().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QList<Found> found;
    if (words.isEmpty())
        return found;
    for (const QString &ns : m_engine->registeredDocumentations()) {
        for (const QUrl &url : m_engine->files(ns, QString(), QStringLiteral("html"))) {
            auto text = m_texts.find(url);
            if (text == m_texts.end()) {
                QTextDocument page;
                page.setHtml(QString::fromUtf8(m_engine->fileData(url)));
                text = m_texts.insert(url, {page.metaInformation(QTextDocument::DocumentTitle).simplified(),
                                            page.toPlainText().toLower()});
            }
            const bool all = std::all_of(words.cbegin(), words.cend(), [&](const QString &w) {
                return text->second.contains(w) || text->first.toLower().contains(w);
            });
            if (all)
                found.append({text->first.isEmpty() ? url.fileName() : text->first, url});
        }
    }
    return found;
}
