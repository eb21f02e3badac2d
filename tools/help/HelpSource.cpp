#include "HelpSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamWriter>

namespace helpsource {

namespace {

[[noreturn]] void fault(const QString &path, const QString &problem)
{
    throw SourceError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), problem).toStdString());
}

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fault(path, QStringLiteral("cannot be read (%1)").arg(f.errorString()));
    const QByteArray bytes = f.readAll();
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        fault(path, QStringLiteral("is not UTF-8 text"));
    return text;
}

// The few entities titles and keywords use, and numeric ones.
QString decodeEntities(QString text)
{
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9A-Fa-f]+|#[0-9]+|[A-Za-z]+);"));
    static const QHash<QString, QString> named{
        {QStringLiteral("amp"), QStringLiteral("&")},    {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},     {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},   {QStringLiteral("nbsp"), QStringLiteral("\u00a0")},
    };
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(last, m.capturedStart() - last);
        const QString e = m.captured(1);
        bool ok = false;
        char32_t code = 0;
        if (e.startsWith(QStringLiteral("#x")))
            code = e.mid(2).toUInt(&ok, 16);
        else if (e.startsWith(u'#'))
            code = e.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code < 0x110000)
            out += QString::fromUcs4(&code, 1);
        else
            out += named.value(e, m.captured(0));
        last = m.capturedEnd();
    }
    out += text.mid(last);
    return out.simplified();
}

Page readPage(const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    const QString html = readText(path);
    Page page;
    page.name = name;
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    page.title = decodeEntities(title.match(html).captured(1));
    if (page.title.isEmpty())
        fault(path, QStringLiteral("the page has no <title>"));
    static const QRegularExpression meta(QStringLiteral("<meta\\s[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attr(QStringLiteral("(\\w+)\\s*=\\s*\"([^\"]*)\""));
    for (auto it = meta.globalMatch(html); it.hasNext();) {
        QHash<QString, QString> attrs;
        const QString tag = it.next().captured(0);
        for (auto a = attr.globalMatch(tag); a.hasNext();) {
            const QRegularExpressionMatch m = a.next();
            attrs.insert(m.captured(1).toLower(), m.captured(2));
        }
        if (attrs.value(QStringLiteral("name")).compare(QStringLiteral("keywords"), Qt::CaseInsensitive) != 0)
            continue;
        // Entities first: "&gt;" holds a semicolon of its own.
        for (const QString &k : decodeEntities(attrs.value(QStringLiteral("content"))).split(u';')) {
            const QString word = k.simplified();
            if (!word.isEmpty() && !page.keywords.contains(word))
                page.keywords << word;
        }
    }
    // Pictures and links to other pages must be there.
    static const QRegularExpression ref(QStringLiteral("\\b(src|href)\\s*=\\s*\"([^\"#]*)(#[^\"]*)?\""),
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto it = ref.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString target = m.captured(2);
        if (target.isEmpty() || target.contains(u':'))
            continue; // an anchor of the page, or an address (http:, mailto:)
        const QString resolved = QDir::cleanPath(QDir(dir).filePath(target));
        if (!QFileInfo(resolved).isFile())
            fault(path, QStringLiteral("%1 refers to %2, which does not exist").arg(m.captured(1), target));
        static const QRegularExpression image(QStringLiteral("^\\.\\./\\.\\./images/([^/]+)$"));
        const QRegularExpressionMatch im = image.match(target);
        if (im.hasMatch()) {
            if (!page.images.contains(im.captured(1)))
                page.images << im.captured(1);
        } else if (!target.endsWith(QStringLiteral(".html"))) {
            fault(path, QStringLiteral("%1 refers to %2: pictures are in ../../images/, links go to pages (.html)")
                            .arg(m.captured(1), target));
        }
    }
    return page;
}

QStringList pageNames(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

} // namespace

int topicOf(const QString &pageName)
{
    static const QRegularExpression numbered(QStringLiteral("^([0-9]+)-[^/]*\\.html$"));
    const QRegularExpressionMatch m = numbered.match(pageName);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString namespaceOf(const QString &language, const QString &name)
{
    return QStringLiteral("example.raroda.tolmo.%1.%2").arg(language.toLower(), name.toLower());
}

HelpFile read(const QString &helpDir, const QString &language, const QString &name)
{
    HelpFile file;
    file.language = language;
    file.name = name;
    const QString dir = QDir(helpDir).filePath(language + u'/' + name);
    if (!QFileInfo(dir).isDir())
        fault(dir, QStringLiteral("the folder of the help file does not exist"));
    const QString contentsPath = QDir(dir).filePath(QStringLiteral("contents.txt"));
    const QStringList lines = readText(contentsPath).split(u'\n');
    QSet<QString> listed;
    QSet<int> topics;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const auto where = [&](const QString &problem) {
            fault(contentsPath, QStringLiteral("line %1: %2").arg(i + 1).arg(problem));
        };
        qsizetype spaces = 0;
        while (spaces < line.size() && line[spaces] == u' ')
            ++spaces;
        if (spaces % 2 != 0 || line.contains(u'\t'))
            where(QStringLiteral("indent by two spaces per level"));
        const int level = int(spaces / 2);
        const int above = file.toc.isEmpty() ? -1 : file.toc.last().level;
        if (level > above + 1)
            where(QStringLiteral("nested two levels below the page above"));
        const QString page = line.trimmed();
        if (!QFileInfo(QDir(dir).filePath(page)).isFile() || !page.endsWith(QStringLiteral(".html")))
            where(QStringLiteral("%1 is not a page of the folder").arg(page));
        if (listed.contains(page))
            where(QStringLiteral("%1 is listed twice").arg(page));
        const int topic = topicOf(page);
        if (topic >= 0 && topics.contains(topic))
            where(QStringLiteral("a second page for topic %1").arg(topic));
        listed.insert(page);
        topics.insert(topic);
        file.toc.append({level, page});
        file.pages.append(readPage(dir, page));
    }
    const QStringList present = pageNames(dir);
    for (const QString &page : present) {
        if (!listed.contains(page))
            fault(contentsPath, QStringLiteral("the page %1 is not in the contents").arg(page));
    }
    // Every language has the same pages.
    for (const QString &other : QDir(helpDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString otherDir = QDir(helpDir).filePath(other + u'/' + name);
        if (other == language || other == u"images" || !QFileInfo(otherDir).isDir())
            continue;
        const QStringList theirs = pageNames(otherDir);
        for (const QString &page : present) {
            if (!theirs.contains(page))
                fault(QDir(dir).filePath(page), QStringLiteral("has no counterpart in %1").arg(other));
        }
        for (const QString &page : theirs) {
            if (!present.contains(page))
                fault(QDir(otherDir).filePath(page), QStringLiteral("has no counterpart in %1").arg(language));
        }
    }
    if (file.pages.isEmpty())
        fault(contentsPath, QStringLiteral("the contents list no page"));
    return file;
}

QString writeProject(const QString &helpDir, const HelpFile &file, const QString &stageDir)
{
    const QString pagesPath = file.language + u'/' + file.name + u'/';
    QDir stage(stageDir);
    // A page removed from the sources goes from the compiled help too.
    if (stage.exists() && !stage.removeRecursively())
        fault(stageDir, QStringLiteral("cannot be emptied"));
    if (!QDir().mkpath(stage.filePath(pagesPath)) || !QDir().mkpath(stage.filePath(QStringLiteral("images"))))
        fault(stageDir, QStringLiteral("cannot be created"));
    const auto copy = [](const QString &from, const QString &to) {
        if (!QFile::copy(from, to))
            fault(to, QStringLiteral("cannot be written"));
    };
    QStringList files;
    for (const Page &page : file.pages) {
        copy(QDir(helpDir).filePath(pagesPath + page.name), stage.filePath(pagesPath + page.name));
        files << pagesPath + page.name;
        for (const QString &image : page.images) {
            const QString to = QStringLiteral("images/") + image;
            if (!files.contains(to)) {
                copy(QDir(helpDir).filePath(to), stage.filePath(to));
                files << to;
            }
        }
    }

    const QString projectPath = stage.filePath(file.language + u'-' + file.name + QStringLiteral(".qhp"));
    QFile project(projectPath);
    if (!project.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fault(projectPath, QStringLiteral("cannot be written (%1)").arg(project.errorString()));
    QXmlStreamWriter xml(&project);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("QtHelpProject"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xml.writeTextElement(QStringLiteral("namespace"), namespaceOf(file.language, file.name));
    xml.writeTextElement(QStringLiteral("virtualFolder"), QStringLiteral("help"));
    xml.writeStartElement(QStringLiteral("filterSection"));
    xml.writeStartElement(QStringLiteral("toc"));
    int open = 0;
    for (qsizetype i = 0; i < file.toc.size(); ++i) {
        const TocEntry &e = file.toc[i];
        while (open > e.level) {
            xml.writeEndElement();
            --open;
        }
        xml.writeStartElement(QStringLiteral("section"));
        xml.writeAttribute(QStringLiteral("title"), file.pages[i].title);
        xml.writeAttribute(QStringLiteral("ref"), pagesPath + e.page);
        ++open;
        if (i + 1 == file.toc.size() || file.toc[i + 1].level <= e.level) {
            xml.writeEndElement();
            --open;
        }
    }
    while (open-- > 0)
        xml.writeEndElement();
    xml.writeEndElement(); // toc
    xml.writeStartElement(QStringLiteral("keywords"));
    for (const Page &page : file.pages) {
        // The title is a keyword too, so the index finds every page.
        QStringList words{page.title};
        for (const QString &k : page.keywords) {
            if (!words.contains(k))
                words << k;
        }
        for (const QString &word : words) {
            xml.writeEmptyElement(QStringLiteral("keyword"));
            xml.writeAttribute(QStringLiteral("name"), word);
            // The first page of the contents opens the help file.
            if (&page == &file.pages.first() && &word == &words.first())
                xml.writeAttribute(QStringLiteral("id"), QStringLiteral("start"));
            xml.writeAttribute(QStringLiteral("ref"), pagesPath + page.name);
        }
    }
    xml.writeEndElement(); // keywords
    xml.writeStartElement(QStringLiteral("files"));
    for (const QString &f : files)
        xml.writeTextElement(QStringLiteral("file"), f);
    xml.writeEndElement(); // files
    xml.writeEndElement(); // filterSection
    xml.writeEndElement(); // QtHelpProject
    xml.writeEndDocument();
    if (!project.flush() || xml.hasError())
        fault(projectPath, QStringLiteral("cannot be written"));
    return projectPath;
}

} // namespace helpsource
