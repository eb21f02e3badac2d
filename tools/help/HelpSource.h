#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

// The readable sources of one help file: supply/help/<LANG>/<HELPFILE>/ with
// its pages (<NUMBER>-<slug>.html for a page a topic number opens, <slug>.html
// otherwise), its table of contents contents.txt (one page file name a line,
// in reading order, two leading spaces per level) and the pictures of
// supply/help/images the pages show.
namespace helpsource {

// A fault of the sources: the file and what is wrong with it.
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Page {
    QString name;          // file name, e.g. "1008-he-properties.html"
    QString title;         // text of <title>, entities decoded
    QStringList keywords;  // <meta name="keywords" content="a; b">
    QStringList images;    // file names under images/ the page shows
};

struct TocEntry {
    int level = 0;         // 0 top level
    QString page;
};

struct HelpFile {
    QString language;      // "EN"
    QString name;          // "PFHelp"
    QList<Page> pages;     // in the order of the contents
    QList<TocEntry> toc;
};

// Reads and checks one help file: every page listed exactly once in the
// contents, every page with a title, every picture and every link to another
// page present, and the same page names as the help file of every other
// language. Throws SourceError naming the file and the fault.
HelpFile read(const QString &helpDir, const QString &language, const QString &name);

// The topic number of a page name ("1008-he-properties.html" -> 1008), or -1.
int topicOf(const QString &pageName);

// Copies the pages and the pictures they show into stageDir (as
// <LANG>/<NAME>/page.html and images/picture) and writes there the Qt help
// project <LANG>-<NAME>.qhp; returns its path.
QString writeProject(const QString &helpDir, const HelpFile &file, const QString &stageDir);

// The namespace of the compiled help file, e.g. "example.raroda.tolmo.en.pfhelp".
QString namespaceOf(const QString &language, const QString &name);

} // namespace helpsource
