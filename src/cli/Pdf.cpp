#include "cli/Pdf.h"

#include "browse/SearchCriterion.h"
#include "data/AppGlobals.h"
#include "data/Designation.h"
#include "data/Record.h"
#include "data/SectionFamily.h"
#include "data/Table.h"
#include "i18n/IvBinaryDictionary.h"
#include "i18n/TranslateString.h"
#include "reports/CataloguePrint.h"
#include "reports/FamilyCatalogue.h"
#include "reports/ReportOutput.h"
#include "reports/SheetPage.h"
#include "reports/SteelCatalogue.h"
#include "reports/ToleranceCatalogue.h"
#include "sheets/TShowDetailFm.h"
#include "sheets/TShowPropFm.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <exception>
#include <stdexcept>
#include <utility>
#include <memory>
#include <optional>
#include <vector>

namespace cli {

namespace {

const char kPdfUsage[] =
    "usage: tolmo-cli pdf OUT.pdf REPORT... [--lang EN|ES] [--select FIELD:LOW:HIGH]... [--dir DIR]\n"
    "       REPORT: FAMILY-properties, FAMILY-detailing or FAMILY-tolerances, FAMILY one of HEA, HEB, HEM, IPE,\n"
    "       IPN, UPN, ANG; steel-mechanical, steel-chemical or steel-designations; all (the 24 catalogues of\n"
    "       Print > All Reports); sheet:DESIGNATION or detail:DESIGNATION (the property or detailing page of\n"
    "       one size, such as \"sheet:HEB 200\")";

int usage(QTextStream &err, const QString &problem)
{
    err << "tolmo-cli: " << problem << '\n' << kPdfUsage << '\n';
    return 2;
}

// One report named on the command line: a family catalogue (family and
// kind), a family's tolerance catalogue (family, tolerances), a steel
// catalogue (steelPage 0, 1 or 2, no family) or the page of one size
// (designation, kind: the property or the detailing page).
struct Request {
    const FamilyInfo *family = nullptr;
    CatalogueKind kind = CatalogueKind::Properties;
    bool tolerances = false;
    int steelPage = -1;
    QString designation = {};
};

// The catalogues of All Reports, in its order.
std::vector<Request> allRequests()
{
    std::vector<Request> requests;
    for (const catalogueprint::Request &r : catalogueprint::allReports()) {
        if (!r.family)
            requests.push_back(Request{.steelPage = r.tab});
        else if (r.tab == 2)
            requests.push_back(Request{.family = r.family, .tolerances = true});
        else
            requests.push_back(Request{.family = r.family,
                                       .kind = r.tab == 0 ? CatalogueKind::Properties : CatalogueKind::Detailing});
    }
    return requests;
}

// The search criteria of a family, by kind: the very entries the search
// dialogs and the record filter use.
Criteria criteriaOf(SectionFamily family, CatalogueKind kind)
{
    const SectionKind &k = *familyInfo(family).kind;
    return kind == CatalogueKind::Properties ? k.propertyCriteria : k.detailCriteria;
}

// The index of the criterion whose component is field, ignoring case, or -1.
int criterionIndex(Criteria criteria, const QString &field)
{
    for (size_t i = 0; i < criteria.size(); ++i)
        if (field.compare(QLatin1String(criteria[i].component), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QString criterionNames(SectionFamily family)
{
    QStringList names;
    for (CatalogueKind kind : {CatalogueKind::Properties, CatalogueKind::Detailing})
        for (const Criterion &c : criteriaOf(family, kind))
            if (!names.contains(QLatin1String(c.component), Qt::CaseInsensitive))
                names << QString::fromLatin1(c.component);
    return names.join(QStringLiteral(", "));
}

std::optional<Request> parseReport(const QString &name)
{
    const std::pair<QLatin1String, CatalogueKind> pages[] = {{QLatin1String("sheet:"), CatalogueKind::Properties},
                                                             {QLatin1String("detail:"), CatalogueKind::Detailing}};
    for (const auto &[prefix, kind] : pages) {
        if (name.startsWith(prefix, Qt::CaseInsensitive)) {
            const QString designation = name.mid(prefix.size()).trimmed();
            if (designation.isEmpty())
                return std::nullopt;
            return Request{.kind = kind, .designation = designation};
        }
    }
    const int dash = name.lastIndexOf(u'-');
    if (dash <= 0)
        return std::nullopt;
    if (name.left(dash).compare(u"steel", Qt::CaseInsensitive) == 0) {
        const char *const pages[] = {"mechanical", "chemical", "designations"};
        for (int page = 0; page < 3; ++page)
            if (name.mid(dash + 1).compare(QLatin1String(pages[page]), Qt::CaseInsensitive) == 0)
                return Request{.steelPage = page};
        return std::nullopt;
    }
    const FamilyInfo *family = familyByKey(name.left(dash));
    if (!family)
        return std::nullopt;
    const QString kind = name.mid(dash + 1);
    if (kind.compare(u"properties", Qt::CaseInsensitive) == 0)
        return Request{.family = family, .kind = CatalogueKind::Properties};
    if (kind.compare(u"detailing", Qt::CaseInsensitive) == 0)
        return Request{.family = family, .kind = CatalogueKind::Detailing};
    if (kind.compare(u"tolerances", Qt::CaseInsensitive) == 0)
        return Request{.family = family, .tolerances = true};
    return std::nullopt;
}

// The criterion a selection stands for: more than its low bound, less than
// its high bound, or between both; bounds included, as in the dialogs.
SearchCriterion criterionOf(const RangeSelection &s)
{
    SearchCriterion c;
    c.Enabled = true;
    if (s.low && s.high) {
        c.Mode = Between;
        c.Bound1 = *s.low;
        c.Bound2 = *s.high;
    } else if (s.low) {
        c.Mode = MoreThan;
        c.Bound1 = *s.low;
    } else {
        c.Mode = LessThan;
        c.Bound1 = *s.high;
    }
    return c;
}

} // namespace

std::optional<RangeSelection> parseSelection(const QString &text)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != 3 || parts[0].trimmed().isEmpty())
        return std::nullopt;
    RangeSelection s{parts[0].trimmed(), {}, {}};
    for (int i = 1; i <= 2; ++i) {
        const QString bound = parts[i].trimmed();
        if (bound.isEmpty())
            continue;
        bool ok = false;
        const double v = bound.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return std::nullopt;
        (i == 1 ? s.low : s.high) = v;
    }
    if (!s.low && !s.high)
        return std::nullopt;
    return s;
}

std::unique_ptr<Table> catalogueTable(const FamilyInfo &family, CatalogueKind kind,
                                      const std::vector<RangeSelection> &selections, const QString &dir,
                                      bool &selected)
{
    const Criteria criteria = criteriaOf(family.family, kind);
    std::vector<std::pair<const Criterion *, SearchCriterion>> active;
    for (const RangeSelection &s : selections) {
        const int index = criterionIndex(criteria, s.field);
        if (index >= 0)
            active.emplace_back(&criteria[size_t(index)], criterionOf(s));
    }
    auto table = std::make_unique<Table>(*family.table());
    table->setDirectory(dir);
    table->setFileName(QString::fromLatin1(family.tableFile));
    if (!active.empty()) {
        table->setFilter([active](const Record &row) {
            for (const auto &[quantity, criterion] : active)
                if (!CriterionMet(criterion, quantity->value(row)))
                    return false;
            return true;
        });
        table->setFiltered(true);
    }
    table->open();
    selected = !active.empty();
    return table;
}

int pdfCommand(const QStringList &args, QTextStream &out, QTextStream &err, const QString &defaultDir)
{
    QStringList positional;
    QString dir = defaultDir;
    int language = 1;
    std::vector<RangeSelection> selections;
    for (int i = 0; i < args.size(); ++i) {
        QString a = args[i];
        QString value;
        const bool valued = a == u"--lang" || a == u"--select" || a == u"--dir";
        if (valued) {
            if (++i >= args.size())
                return usage(err, QStringLiteral("%1 needs a value").arg(a));
            value = args[i];
        } else if (a.startsWith(u"--") && a.contains(u'=')) {
            value = a.mid(a.indexOf(u'=') + 1);
            a = a.left(a.indexOf(u'='));
        } else if (a.startsWith(u"--")) {
            return usage(err, QStringLiteral("unknown option %1").arg(a));
        } else {
            positional << a;
            continue;
        }
        if (a == u"--lang") {
            if (value.compare(u"EN", Qt::CaseInsensitive) == 0)
                language = 1;
            else if (value.compare(u"ES", Qt::CaseInsensitive) == 0)
                language = 2;
            else
                return usage(err, QStringLiteral("--lang takes EN or ES, not %1").arg(value));
        } else if (a == u"--select") {
            const std::optional<RangeSelection> s = parseSelection(value);
            if (!s)
                return usage(err, QStringLiteral("--select takes FIELD:LOW:HIGH with at least one number, not %1")
                                      .arg(value));
            selections.push_back(*s);
        } else if (a == u"--dir") {
            dir = value;
        } else {
            return usage(err, QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (positional.size() < 2)
        return usage(err, QStringLiteral("pdf takes an output file and at least one report"));
    const QString output = positional.takeFirst();

    std::vector<Request> requests;
    for (const QString &name : positional) {
        if (name.compare(u"all", Qt::CaseInsensitive) == 0) {
            for (const Request &r : allRequests())
                requests.push_back(r);
            continue;
        }
        const std::optional<Request> r = parseReport(name);
        if (!r)
            return usage(err, QStringLiteral("unknown report %1").arg(name));
        for (const RangeSelection &s : selections) {
            if (!r->family)
                continue;
            if (criterionIndex(criteriaOf(r->family->family, CatalogueKind::Properties), s.field) < 0 &&
                criterionIndex(criteriaOf(r->family->family, CatalogueKind::Detailing), s.field) < 0) {
                return usage(err, QStringLiteral("%1 is not a search field of %2 (%3)")
                                      .arg(s.field, QString::fromLatin1(r->family->key),
                                           criterionNames(r->family->family)));
            }
        }
        requests.push_back(*r);
    }

    try {
        // The language as the main window applies it: the code, then the
        // dictionary of the application directory in that language.
        AppContext context;
        context.setAppDir(dir);
        context.setLanguage(language == 1 ? Language::English : Language::Spanish);
        TIvBinaryDictionary dictionary(nullptr, QStringLiteral("Dictionary1"));
        dictionary.setObjectName(QStringLiteral("IvBinaryDictionary1"));
        dictionary.setSubLanguage(0);
        dictionary.setLanguage(0);
        dictionary.setBinding(ivbiLanguageToLocale);
        dictionary.setFileName(QDir(dir).filePath(QStringLiteral("PTolmo2.dll")));
        if (language != 1 && !dictionary.filePresent())
            throw std::runtime_error(
                QStringLiteral("Cannot translate: there is no dictionary %1").arg(dictionary.fileName()).toStdString());
        if (dictionary.filePresent()) {
            dictionary.open();
            dictionary.setLanguage(language);
        }
        app::setApplicationTitle(TranslateString(QString::fromLatin1(app::kNativeTitle)));

        // One table per report: each carries the record filter of its own
        // kind of criteria.
        std::vector<std::unique_ptr<Table>> tables;
        std::vector<std::unique_ptr<Report>> reports;
        for (const Request &r : requests) {
            if (!r.designation.isEmpty()) {
                // The texts the sheet of that size shows, on its page.
                const FamilyInfo *family = nullptr;
                auto table = designation::openAt(r.designation, dir, family);
                const bool property = r.kind == CatalogueKind::Properties;
                const SheetTexts texts = property ? TShowPropFm::sheetTexts(*table, *family)
                                                  : TShowDetailFm::sheetTexts(*table, *family);
                auto report = std::make_unique<SheetPage>(
                    property ? sheetpage::propertyLayout() : sheetpage::detailLayout(), &context);
                report->Ajusta(*family, texts);
                reports.push_back(std::move(report));
                continue;
            }
            if (r.steelPage >= 0) {
                auto table = std::make_unique<Table>(*steelcatalogue::layouts()[size_t(r.steelPage)].table);
                table->setDirectory(dir);
                table->open();
                auto report = std::make_unique<SteelCatalogue>(r.steelPage, &context);
                report->setDataSource(table.get());
                tables.push_back(std::move(table));
                reports.push_back(std::move(report));
                continue;
            }
            if (r.tolerances) {
                // The norm text as the family window's tolerance tab shows it.
                auto report = std::make_unique<ToleranceCatalogue>(context);
                report->Ajusta(ToleranceCatalogue::familyCode(r.family->family),
                               TranslateString(QStringLiteral("  In accordance with ") +
                                               QString::fromLatin1(r.family->standard())),
                               QString::fromLatin1(r.family->toleranceKey()));
                reports.push_back(std::move(report));
                continue;
            }
            bool selected = false;
            auto table = catalogueTable(*r.family, r.kind, selections, dir, selected);
            auto report = std::make_unique<FamilyCatalogue>(r.family->family, r.kind);
            report->setContext(&context);
            report->Ajusta(r.family->family, table.get(), selected);
            tables.push_back(std::move(table));
            reports.push_back(std::move(report));
        }
        QList<Report *> list;
        for (const auto &r : reports)
            list << r.get();
        reportoutput::writePdf(list, output);
        out.flush();
        return 0;
    } catch (const std::exception &e) {
        out.flush();
        err << "tolmo-cli: " << QString::fromUtf8(e.what()) << '\n';
        return 1;
    }
}

} // namespace cli
