#include "data/Table.h"

#include "data/DisplayFormat.h"
#include "data/TableError.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QVariant kEmpty;

QString quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString typeName(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
        return QStringLiteral("the text \"%1\"").arg(v.toString().left(40));
    case QMetaType::QByteArray:
        return QStringLiteral("binary data");
    default:
        return QStringLiteral("the number %1").arg(v.toString());
    }
}

bool isNumber(const QVariant &v)
{
    const int t = v.typeId();
    return t == QMetaType::Double || t == QMetaType::LongLong || t == QMetaType::Int
           || t == QMetaType::ULongLong || t == QMetaType::UInt;
}

// Opens one SQLite connection for the duration of a read and removes it after.
class Connection {
public:
    explicit Connection(const QString &path)
    {
        static int serial = 0;
        m_name = QStringLiteral("tolmo-table-%1").arg(++serial);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        if (!db.isValid()) {
            throw TableError(QStringLiteral("Cannot open the table \"%1\": the SQLite driver of Qt is not installed")
                                 .arg(path));
        }
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            throw TableError(QStringLiteral("Cannot open the table \"%1\": %2").arg(path, db.lastError().text()));
        }
    }
    ~Connection() { QSqlDatabase::removeDatabase(m_name); }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
};

} // namespace

// ---------------------------------------------------------------- FieldRef

const FieldDecl &FieldRef::declaration() const { return m_table->declaration().fields[size_t(m_index)]; }

bool FieldRef::isNull() const { return m_table->currentValue(m_index).isNull(); }

double FieldRef::asFloat() const
{
    const QVariant &v = m_table->currentValue(m_index);
    return v.isNull() ? 0.0 : v.toDouble();
}

QString FieldRef::asString() const { return m_table->currentValue(m_index).toString(); }

QByteArray FieldRef::asBytes() const { return m_table->currentValue(m_index).toByteArray(); }

QString FieldRef::displayText(QChar decimalPoint) const
{
    return display::cell(m_table->currentValue(m_index), declaration(), decimalPoint);
}

// ------------------------------------------------------------------- Table

Table::Table(const TableDecl &decl, QObject *parent)
    : QObject(parent), m_decl(&decl), m_fileName(QString::fromUtf8(decl.defaultFile))
{
    setObjectName(QString::fromUtf8(decl.component));
}

Table::~Table() = default;

void Table::setDirectory(const QString &directory)
{
    m_directory = directory;
}

void Table::setFileName(const QString &fileName)
{
    m_fileName = fileName;
}

QString Table::resolveFile() const
{
    const QDir dir(m_directory.isEmpty() ? QStringLiteral(".") : m_directory);
    const QString shown = QDir::toNativeSeparators(dir.absolutePath());
    if (!dir.exists()) {
        throw TableError(QStringLiteral("Cannot open the table \"%1\": the folder %2 does not exist")
                             .arg(m_fileName, shown));
    }
    if (QFileInfo(dir.filePath(m_fileName)).isFile())
        return dir.filePath(m_fileName);
    // Table names are given with the case of the catalogue ("IPN.db",
    // "heb.DB"); on a case-sensitive file system any case is accepted.
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(m_fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    throw TableError(QStringLiteral("Cannot open the table \"%1\": no such file in %2").arg(m_fileName, shown));
}

void Table::readFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    m_rows.clear();
    Connection connection(path);
    QSqlDatabase db = connection.database();
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral(
                "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"))) {
            throw TableError(QStringLiteral("The file %1 is not a table file: %2")
                                 .arg(shown, query.lastError().databaseText()));
        }
        QStringList tables;
        while (query.next())
            tables << query.value(0).toString();
        // A damaged or truncated file can still answer queries with rows of
        // garbage: check its structure before trusting any value.
        if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")) || !query.next()
            || query.value(0).toString() != u"ok") {
            const QString detail = query.lastError().isValid() ? query.lastError().databaseText()
                                                               : query.value(0).toString().section(u'\n', -1);
            throw TableError(QStringLiteral("The table file %1 is damaged: %2").arg(shown, detail));
        }
        if (tables.isEmpty())
            throw TableError(QStringLiteral("The file %1 holds no table").arg(shown));
        if (tables.size() > 1) {
            throw TableError(QStringLiteral("The file %1 holds %2 tables (%3); a table file holds exactly one")
                                 .arg(shown)
                                 .arg(tables.size())
                                 .arg(tables.join(QStringLiteral(", "))));
        }
        const QString table = tables.first();

        if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)))) {
            throw TableError(QStringLiteral("The file %1 cannot be read: %2")
                                 .arg(shown, query.lastError().databaseText()));
        }
        QStringList columns;
        while (query.next())
            columns << query.value(1).toString();

        // Bind every declared stored field to its column, ignoring case.
        std::vector<int> stored;       // declared field index per selected column
        QStringList selected;
        for (size_t i = 0; i < m_decl->fields.size(); ++i) {
            const FieldDecl &f = m_decl->fields[i];
            if (!f.isStored())
                continue;
            const QString name = QString::fromUtf8(f.name);
            auto it = std::find_if(columns.cbegin(), columns.cend(), [&](const QString &c) {
                return c.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (it == columns.cend())
                throw TableError(QStringLiteral("The table %1 lacks the field \"%2\"").arg(shown, name));
            stored.push_back(int(i));
            selected << quoted(*it);
        }

        if (!query.exec(QStringLiteral("SELECT %1 FROM %2").arg(selected.join(u','), quoted(table)))) {
            throw TableError(QStringLiteral("The file %1 cannot be read: %2")
                                 .arg(shown, query.lastError().databaseText()));
        }
        while (query.next()) {
            std::vector<QVariant> row(m_decl->fields.size());
            for (size_t c = 0; c < stored.size(); ++c) {
                const FieldDecl &f = m_decl->fields[size_t(stored[c])];
                QVariant v = query.value(int(c));
                if (v.isNull()) {
                    row[size_t(stored[c])] = QVariant();
                    continue;
                }
                const auto wrong = [&](const QString &expected) {
                    return TableError(QStringLiteral("The table %1, row %2, field \"%3\" holds %4 where %5 is expected")
                                          .arg(shown)
                                          .arg(m_rows.size() + 1)
                                          .arg(QString::fromUtf8(f.name), typeName(v), expected));
                };
                switch (f.type) {
                case FieldType::Float:
                    if (!isNumber(v))
                        throw wrong(QStringLiteral("a number"));
                    v = v.toDouble();
                    break;
                case FieldType::Text:
                    if (v.typeId() != QMetaType::QString)
                        throw wrong(QStringLiteral("a text"));
                    if (v.toString().size() > f.size) {
                        throw TableError(
                            QStringLiteral("The table %1, row %2, field \"%3\" holds %4 characters; at most %5 fit")
                                .arg(shown)
                                .arg(m_rows.size() + 1)
                                .arg(QString::fromUtf8(f.name))
                                .arg(v.toString().size())
                                .arg(f.size));
                    }
                    break;
                case FieldType::Logical:
                    if (!isNumber(v) || (v.toLongLong() != 0 && v.toLongLong() != 1))
                        throw wrong(QStringLiteral("a logical value (0 or 1)"));
                    v = v.toLongLong() != 0;
                    break;
                case FieldType::Graphic:
                    if (v.typeId() != QMetaType::QByteArray)
                        throw wrong(QStringLiteral("a picture"));
                    break;
                }
                row[size_t(stored[c])] = std::move(v);
            }
            m_rows.push_back(std::move(row));
        }
        if (query.lastError().isValid()) {
            throw TableError(QStringLiteral("The file %1 cannot be read: %2")
                                 .arg(shown, query.lastError().databaseText()));
        }
    }
}

void Table::open()
{
    if (m_open)
        return;
    const QString path = resolveFile();
    try {
        readFile(path);
        m_visible.clear();
        m_visible.reserve(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i) {
            Record row(*m_decl, m_rows[i]);
            if (m_decl->calcFields)
                m_decl->calcFields(row);
            if (!m_filtered || !m_filter || m_filter(row))
                m_visible.push_back(int(i));
        }
    } catch (...) {
        m_rows.clear();
        m_visible.clear();
        throw;
    }
    m_filePath = path;
    m_open = true;
    m_current = m_visible.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_visible.empty();
    notifyReset();
    notifyData();
}

void Table::refilter()
{
    if (!m_open)
        return;
    m_visible.clear();
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (!m_filtered || !m_filter || m_filter(Record(*m_decl, m_rows[i])))
            m_visible.push_back(int(i));
    }
    m_current = m_visible.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_visible.empty();
    notifyReset();
    notifyData();
}

void Table::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_rows.clear();
    m_visible.clear();
    m_current = -1;
    m_bof = m_eof = true;
    notifyReset();
}

void Table::moveTo(int row)
{
    if (m_visible.empty())
        return;
    const int target = std::clamp(row, 0, int(m_visible.size()) - 1);
    if (target == m_current)
        return;
    m_current = target;
    notifyData();
}

void Table::first()
{
    m_bof = true;
    m_eof = m_visible.empty();
    moveTo(0);
}

void Table::last()
{
    m_eof = true;
    m_bof = m_visible.empty();
    moveTo(int(m_visible.size()) - 1);
}

void Table::next()
{
    if (m_current + 1 >= int(m_visible.size())) {
        m_eof = true;
        return;
    }
    m_bof = false;
    m_eof = false;
    moveTo(m_current + 1);
}

void Table::prior()
{
    if (m_current <= 0) {
        m_bof = true;
        return;
    }
    m_bof = false;
    m_eof = false;
    moveTo(m_current - 1);
}

void Table::setCurrentRow(int row)
{
    if (row < 0 || row >= int(m_visible.size()))
        return;
    m_bof = m_eof = false;
    moveTo(row);
}

bool Table::locate(const QString &fieldNames, const QStringList &values)
{
    const QStringList names = fieldNames.split(u';');
    if (names.size() != values.size()) {
        throw TableError(QStringLiteral("Locate on %1 fields of the table %2 was given %3 values")
                             .arg(names.size())
                             .arg(m_fileName)
                             .arg(values.size()));
    }
    std::vector<int> indexes;
    for (const QString &name : names)
        indexes.push_back(field(name.trimmed()).index());
    for (size_t r = 0; r < m_visible.size(); ++r) {
        const std::vector<QVariant> &row = m_rows[size_t(m_visible[r])];
        bool match = true;
        for (size_t k = 0; k < indexes.size() && match; ++k) {
            const QVariant &v = row[size_t(indexes[k])];
            if (m_decl->fields[size_t(indexes[k])].type == FieldType::Float) {
                bool ok = false;
                const double wanted = values[int(k)].toDouble(&ok);
                match = ok && !v.isNull() && v.toDouble() == wanted;
            } else {
                match = v.toString().compare(values[int(k)], Qt::CaseInsensitive) == 0;
            }
        }
        if (match) {
            setCurrentRow(int(r));
            return true;
        }
    }
    return false;
}

void Table::disableControls() { ++m_disabled; }

void Table::enableControls()
{
    if (m_disabled == 0)
        return;
    if (--m_disabled > 0)
        return;
    if (m_pendingReset) {
        m_pendingReset = false;
        emit rowsReset();
    }
    // Bound controls catch up with wherever the loop left the table.
    m_pendingData = false;
    emit dataChange();
}

void Table::notifyData()
{
    if (m_disabled > 0) {
        m_pendingData = true;
        return;
    }
    emit dataChange();
}

void Table::notifyReset()
{
    if (m_disabled > 0) {
        m_pendingReset = true;
        return;
    }
    emit rowsReset();
}

int Table::fieldIndex(const QString &name) const
{
    for (size_t i = 0; i < m_decl->fields.size(); ++i) {
        if (name.compare(QString::fromUtf8(m_decl->fields[i].name), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

FieldRef Table::field(const QString &name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw TableError(QStringLiteral("The table %1 has no field \"%2\"").arg(m_fileName, name));
    return FieldRef(this, i);
}

const QVariant &Table::value(int row, int fieldIndex) const
{
    if (row < 0 || row >= int(m_visible.size()) || fieldIndex < 0 || fieldIndex >= fieldCount())
        return kEmpty;
    return m_rows[size_t(m_visible[size_t(row)])][size_t(fieldIndex)];
}

const QVariant &Table::currentValue(int fieldIndex) const { return value(m_current, fieldIndex); }

Record Table::record(int row)
{
    if (row < 0 || row >= int(m_visible.size()))
        throw TableError(QStringLiteral("The table %1 has no row %2").arg(m_fileName).arg(row + 1));
    return Record(*m_decl, m_rows[size_t(m_visible[size_t(row)])]);
}
