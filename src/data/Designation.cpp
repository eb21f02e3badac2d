#include "data/Designation.h"

#include "data/Table.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

#include <stdexcept>

namespace designation {

namespace {

// A whole or decimal number written with a full stop.
std::optional<double> number(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    return ok && v > 0 ? std::optional<double>(v) : std::nullopt;
}

bool digitsOnly(const QStringList &parts)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    for (const QString &p : parts) {
        if (!digits.match(p).hasMatch())
            return false;
    }
    return true;
}

// Leg and thickness of an equal-leg angle: "100X100X10", "100X10", or with
// full stops "100.100.10", "100.10", "203.203.22.2" (legs are whole numbers).
std::optional<std::vector<double>> legsAndThickness(const QString &size)
{
    std::vector<QString> numbers;
    if (size.contains(u'X')) {
        const QStringList parts = size.split(u'X');
        if (parts.size() == 3 && parts[0] != parts[1]) {
            // Unless both legs are written alike, compare them as numbers.
            const auto a = number(parts[0]), b = number(parts[1]);
            if (!a || !b || *a != *b)
                return std::nullopt;
        }
        if (parts.size() == 2)
            numbers = {parts[0], parts[1]};
        else if (parts.size() == 3)
            numbers = {parts[0], parts[2]};
        else
            return std::nullopt;
    } else {
        const QStringList parts = size.split(u'.');
        if (!digitsOnly(parts))
            return std::nullopt;
        const bool legTwice = parts.size() >= 3 && parts[0] == parts[1];
        if (parts.size() == 2)
            numbers = {parts[0], parts[1]};
        else if (parts.size() == 3)
            numbers = legTwice ? std::vector<QString>{parts[0], parts[2]}
                               : std::vector<QString>{parts[0], parts[1] + u'.' + parts[2]};
        else if (parts.size() == 4 && legTwice)
            numbers = {parts[0], parts[2] + u'.' + parts[3]};
        else
            return std::nullopt;
    }
    std::vector<double> values;
    for (const QString &n : numbers) {
        const std::optional<double> v = number(n);
        if (!v)
            return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

std::optional<std::vector<double>> sizeOf(const QString &size, DesignationSize kind)
{
    switch (kind) {
    case DesignationSize::Height:
        if (const std::optional<double> h = number(size))
            return std::vector<double>{*h};
        return std::nullopt;
    case DesignationSize::LegsAndThickness:
        return legsAndThickness(size);
    }
    return std::nullopt;
}

QString numberText(double v) { return QLocale::c().toString(v, 'g', 12); }

// The ways of writing a size in a form, normalized.
QStringList spellings(const DesignationForm &form, const std::vector<double> &size)
{
    const QString prefix = normalized(QString::fromLatin1(form.prefix));
    const QString suffix = normalized(QString::fromLatin1(form.suffix));
    QStringList sizes;
    switch (form.size) {
    case DesignationSize::Height:
        if (size.size() == 1)
            sizes << numberText(size[0]);
        break;
    case DesignationSize::LegsAndThickness:
        if (size.size() == 2) {
            const QString leg = numberText(size[0]), t = numberText(size[1]);
            sizes << leg + u'X' + leg + u'X' + t << leg + u'X' + t << leg + u'.' + leg + u'.' + t << leg + u'.' + t;
        }
        break;
    }
    QStringList out;
    for (const QString &s : sizes)
        out << prefix + s + suffix;
    return out;
}

} // namespace

QString normalized(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c.isSpace())
            continue;
        if (c == u'*' || c == QChar(0x00D7))
            c = u'X';
        else if (c == u',')
            c = u'.';
        s += c.toUpper();
    }
    return s;
}

std::optional<SectionName> parse(const QString &text)
{
    const QString s = normalized(text);
    for (const FamilyInfo &family : allFamilies()) {
        for (const DesignationForm &form : family.designations) {
            const QString prefix = normalized(QString::fromLatin1(form.prefix));
            const QString suffix = normalized(QString::fromLatin1(form.suffix));
            if (s.size() <= prefix.size() + suffix.size() || !s.startsWith(prefix) || !s.endsWith(suffix))
                continue;
            const QString size = s.mid(prefix.size(), s.size() - prefix.size() - suffix.size());
            if (std::optional<std::vector<double>> numbers = sizeOf(size, form.size))
                return SectionName{&family, std::move(*numbers)};
        }
    }
    return std::nullopt;
}

bool mayComplete(const QString &typed, const SectionName &name)
{
    const QString s = normalized(typed);
    if (s.isEmpty() || !name.family)
        return false;
    for (const DesignationForm &form : name.family->designations) {
        for (const QString &spelling : spellings(form, name.size)) {
            if (spelling.startsWith(s))
                return true;
        }
    }
    return false;
}

void Catalogue::add(const FamilyInfo &family, const QStringList &designations)
{
    for (const QString &d : designations) {
        std::optional<SectionName> name = parse(d);
        // A stored designation is its own family's, whatever it reads like.
        if (name && name->family != &family)
            name.reset();
        m_entries.append(Entry{&family, d, std::move(name)});
    }
}

const Entry *Catalogue::find(const QString &text) const
{
    const std::optional<SectionName> name = parse(text);
    const QString plain = normalized(text);
    if (plain.isEmpty())
        return nullptr;
    for (const Entry &e : m_entries) {
        if (name && e.name == name)
            return &e;
    }
    for (const Entry &e : m_entries) {
        if (normalized(e.designation) == plain)
            return &e;
    }
    return nullptr;
}

QStringList Catalogue::completions(const QString &typed) const
{
    const QString plain = normalized(typed);
    QStringList out;
    if (plain.isEmpty())
        return out;
    for (const Entry &e : m_entries) {
        const bool matches = e.name ? mayComplete(typed, *e.name) : normalized(e.designation).startsWith(plain);
        if (matches && !out.contains(e.designation))
            out << e.designation;
    }
    return out;
}

QStringList readDesignations(const FamilyInfo &family, const QString &directory)
{
    Table table(*family.table());
    table.setDirectory(directory);
    table.setFileName(QString::fromLatin1(family.tableFile));
    table.open();
    const int field = table.fieldIndex(QStringLiteral("Designation"));
    QStringList out;
    for (int r = 0; field >= 0 && r < table.recordCount(); ++r)
        out << table.value(r, field).toString();
    table.close();
    return out;
}

std::unique_ptr<Table> openAt(const QString &text, const QString &directory, const FamilyInfo *&family)
{
    Catalogue catalogue;
    for (const FamilyInfo &f : allFamilies())
        catalogue.add(f, readDesignations(f, directory));
    if (const Entry *entry = catalogue.find(text)) {
        auto table = std::make_unique<Table>(*entry->family->table());
        table->setDirectory(directory);
        table->setFileName(QString::fromLatin1(entry->family->tableFile));
        table->open();
        const int field = table->fieldIndex(QStringLiteral("Designation"));
        for (int row = 0; row < table->recordCount(); ++row) {
            if (table->value(row, field).toString() == entry->designation) {
                table->setCurrentRow(row);
                family = entry->family;
                return table;
            }
        }
    }
    throw std::runtime_error(QStringLiteral("There is no section %1 in the tables of %2")
                                 .arg(text.trimmed(), QDir::toNativeSeparators(directory))
                                 .toStdString());
}

} // namespace designation
