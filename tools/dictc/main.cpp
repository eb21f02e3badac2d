// dictc: builds the program's dictionary file from the readable translation
// table, and writes the variant files the reader's tests and fuzzer start from.
#include "MldWriter.h"
#include "TranslationTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <stdexcept>

namespace {

int contextKindOf(const QString &name)
{
    if (name == QLatin1String("none"))
        return mld::NoContext;
    if (name == QLatin1String("both"))
        return mld::ClassAndComponent;
    if (name == QLatin1String("component"))
        return mld::ComponentOnly;
    if (name == QLatin1String("class"))
        return mld::ClassOnly;
    throw std::runtime_error("--context takes none, both, component or class");
}

// A few rows with and without contexts, an empty Spanish column and
// characters beyond ASCII: small enough for a fuzzer's starting corpus.
QList<dictc::Row> sampleRows()
{
    return dictc::parse(QString::fromUtf8("Close\tCerrar\n"
                                          "&Print\t&Imprimir\n"
                                          "\"Record \"\t\"Registro \"\n"
                                          "Do you want to exit?\t¿Desea salir?\n"
                                          "Steel\t\n"
                                          "Properties\tPropiedades\tTILPFm\tTabSheet1\n"
                                          "Properties\tCaracterísticas\tTAceroFm\t\n"),
                        QStringLiteral("sample"));
}

void writeVariants(const QString &directory, const QList<dictc::Row> &rows)
{
    if (!QDir().mkpath(directory))
        throw std::runtime_error(QStringLiteral("cannot create %1").arg(directory).toStdString());
    const QDir dir(directory);
    const char *kinds[] = {"none", "both", "component", "class"};
    for (int version = 1; version <= 3; ++version)
        for (bool big : {false, true})
            for (bool wide : {true, false})
                for (int kind = 0; kind < 4; ++kind) {
                    mld::Document d = dictc::programDocument(rows, kind);
                    d.version = version;
                    d.bigEndian = big;
                    d.wide = wide;
                    const QString name = QStringLiteral("v%1-%2-%3-%4.dll")
                                             .arg(version)
                                             .arg(big ? "be" : "le", wide ? "utf16" : "8bit", kinds[kind]);
                    mld::writeFile(dir.filePath(name), d);
                    if (kind == mld::ClassAndComponent && version >= 2) {
                        d.locales = {mld::englishUnitedStates(), mld::spanishSpain()};
                        if (version == 3)
                            for (auto &l : d.languages)
                                l.extra = QByteArray("\x01\x02\x03", 3);
                        if (version == 3)
                            for (auto &l : d.locales)
                                l.extra = QByteArray("\x04\x05", 2);
                        mld::writeFile(dir.filePath(QString(name).replace(QLatin1String(".dll"), QLatin1String("-locales.dll"))), d);
                    }
                }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dictc"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds a binary dictionary (MLD) from a translation table (native TAB Spanish "
                       "[TAB class [TAB component]]), or writes the variant files the reader's tests use."));
    parser.addHelpOption();
    const QCommandLineOption version(QStringLiteral("format-version"), QStringLiteral("format version 1, 2 or 3 (3)"),
                                     QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption big(QStringLiteral("big-endian"), QStringLiteral("numbers and characters big-endian"));
    const QCommandLineOption narrow(QStringLiteral("8bit"), QStringLiteral("8-bit characters (code page 1252)"));
    const QCommandLineOption context(QStringLiteral("context"),
                                     QStringLiteral("context kind: none, both, component or class (by the rows)"),
                                     QStringLiteral("kind"));
    const QCommandLineOption locales(QStringLiteral("locales"),
                                     QStringLiteral("add custom locale records for en-US and es-ES"));
    const QCommandLineOption extra(QStringLiteral("extra-bytes"),
                                   QStringLiteral("bytes appended to every version-3 language and locale record"),
                                   QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption variants(QStringLiteral("variants"),
                                      QStringLiteral("write every variant of the table (or of a small sample) into dir"),
                                      QStringLiteral("dir"));
    parser.addOptions({version, big, narrow, context, locales, extra, variants});
    parser.addPositionalArgument(QStringLiteral("table"), QStringLiteral("the translation table (.tsv)"));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("the dictionary file to write"));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    try {
        if (parser.isSet(variants)) {
            if (args.size() > 1)
                parser.showHelp(2);
            writeVariants(parser.value(variants), args.isEmpty() ? sampleRows() : dictc::readFile(args.at(0)));
            return 0;
        }
        if (args.size() != 2)
            parser.showHelp(2);
        const QList<dictc::Row> rows = dictc::readFile(args.at(0));
        mld::Document d =
            dictc::programDocument(rows, parser.isSet(context) ? contextKindOf(parser.value(context)) : -1);
        bool ok = false;
        d.version = parser.value(version).toInt(&ok);
        if (!ok || d.version < 1 || d.version > 3)
            throw std::runtime_error("--format-version takes 1, 2 or 3");
        d.bigEndian = parser.isSet(big);
        d.wide = !parser.isSet(narrow);
        if (parser.isSet(locales))
            d.locales = {mld::englishUnitedStates(), mld::spanishSpain()};
        const int extraBytes = parser.value(extra).toInt(&ok);
        if (!ok || extraBytes < 0 || extraBytes > 1000)
            throw std::runtime_error("--extra-bytes takes 0 to 1000");
        for (auto &l : d.languages)
            l.extra = QByteArray(extraBytes, '\x5a');
        for (auto &l : d.locales)
            l.extra = QByteArray(extraBytes, '\x5a');
        mld::writeFile(args.at(1), d);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "dictc: %s\n", e.what());
        return 1;
    }
    return 0;
}
