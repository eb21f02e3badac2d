#include "cli/Cli.h"

#include "cad/OutlineFile.h"
#include "cli/Pdf.h"
#include "cli/Verify.h"
#include "data/Declarations.h"

#include <exception>

namespace cli {

namespace {

const char kUsage[] = "usage: tolmo-cli export TABLE [--raw] [--dir DIR]\n"
                       "       tolmo-cli verify [--dir DIR]\n"
                       "       tolmo-cli seal TABLE [--dir DIR]\n"
                       "       tolmo-cli outline DESIGNATION OUT.dxf|OUT.svg [--dir DIR]\n"
                       "       tolmo-cli pdf OUT.pdf REPORT... [--lang EN|ES] [--select FIELD:LOW:HIGH]... [--dir DIR]";

int usage(QTextStream &err, const QString &problem)
{
    if (!problem.isEmpty())
        err << "tolmo-cli: " << problem << '\n';
    err << kUsage << '\n';
    return 2;
}

QString knownTables()
{
    QStringList names;
    for (const char *f : decl::suppliedFiles())
        names << QString::fromUtf8(f);
    return names.join(QStringLiteral(", "));
}

} // namespace

int run(const QStringList &args, QTextStream &out, QTextStream &err, const QString &defaultDir)
{
    if (args.isEmpty())
        return usage(err, {});
    const QString command = args.first();
    // pdf has options of its own.
    if (command == u"pdf")
        return pdfCommand(args.mid(1), out, err, defaultDir);
    QStringList positional;
    QString dir = defaultDir;
    bool raw = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--raw") {
            raw = true;
        } else if (a == u"--dir") {
            if (++i >= args.size())
                return usage(err, QStringLiteral("--dir needs a folder"));
            dir = args[i];
        } else if (a.startsWith(u"--dir=")) {
            dir = a.mid(6);
        } else if (a.startsWith(u"--")) {
            return usage(err, QStringLiteral("unknown option %1").arg(a));
        } else {
            positional << a;
        }
    }

    try {
        if (command == u"export") {
            if (positional.size() != 1)
                return usage(err, QStringLiteral("export takes one table name"));
            if (!decl::forFile(positional.first())) {
                return usage(err, QStringLiteral("%1 is not a table of the catalogue (%2)")
                                      .arg(positional.first(), knownTables()));
            }
            const int code = exportTable(positional.first(), raw, dir, out);
            out.flush();
            return code;
        }
        if (command == u"verify") {
            if (!positional.isEmpty() || raw)
                return usage(err, QStringLiteral("verify takes no table and no --raw"));
            const int code = verifyTables(dir, out);
            out.flush();
            if (code != 0)
                err << "tolmo-cli: some values of the section tables are beyond tolerance\n";
            return code;
        }
        if (command == u"seal") {
            if (positional.size() != 1 || raw)
                return usage(err, QStringLiteral("seal takes one table name and no --raw"));
            if (!decl::forFile(positional.first())) {
                return usage(err, QStringLiteral("%1 is not a table of the catalogue (%2)")
                                      .arg(positional.first(), knownTables()));
            }
            const int code = sealTable(positional.first(), dir, out);
            out.flush();
            return code;
        }
        if (command == u"outline") {
            // The designation may come in one argument or in several
            // ("HEB 300" unquoted); the file is the last.
            if (positional.size() < 2 || raw)
                return usage(err, QStringLiteral("outline takes a designation and an output file, and no --raw"));
            const QString output = positional.takeLast();
            if (!cad::formatOf(output)) {
                return usage(err, QStringLiteral("the outline file must end in .dxf or .svg, not %1")
                                      .arg(output));
            }
            return outlineCommand(positional.join(u' '), output, dir);
        }
        return usage(err, QStringLiteral("unknown command %1").arg(command));
    } catch (const std::exception &e) {
        out.flush();
        err << "tolmo-cli: " << QString::fromUtf8(e.what()) << '\n';
        return 1;
    }
}

} // namespace cli
