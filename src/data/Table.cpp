#include "data/Table.h"

#include "data/DisplayFormat.h"
#include "data/TableChecksum.h"
#include "data/TableError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <optional>
#include <utility>

namespace {

const QVariant kEmpty;

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

// The largest picture a table may hold, in pixels each way: the figures of
// the catalogue are some hundreds of pixels wide. A larger one would take
// hundreds of megabytes to decode at every look.
constexpr quint32 kLargestPictureSide = 2048;

// Width and height from the header of a PNG picture, or nothing when the
// bytes do not start like one (other pictures are limited where decoded).
std::optional<std::pair<quint32, quint32>> pngSize(const QByteArray &bytes)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 24 || !bytes.startsWith(signature) || bytes.mid(12, 4) != "IHDR")
        return std::nullopt;
    const auto be32 = [&](int at) {
        return quint32(quint8(bytes[at])) << 24 | quint32(quint8(bytes[at + 1])) << 16
               | quint32(quint8(bytes[at + 2])) << 8 | quint32(quint8(bytes[at + 3]));
    };
    return std::make_pair(be32(16), be32(20));
}

bool isNumber(const QVariant &v)
{
    const int t = v.typeId();
    return t == QMetaType::Double || t == QMetaType::LongLong || t == QMetaType::Int
           || t == QMetaType::ULongLong || t == QMetaType::UInt;
}

// What a user can do about a table file that cannot be trusted.
const char *const kRemedy = "Reinstall the catalogue to restore the supplied tables; a data supplier who changed the "
                            "file on purpose checks and seals it with \"tolmo-cli seal\".";

// "The table file X has been altered or damaged: why." with the remedy, and
// SQLite's own words, where there are any, on a line of their own.
TableError damaged(const QString &shown, const QString &why, const QString &detail = {})
{
    QString text = QStringLiteral("The table file %1 has been altered or damaged: %2. %3")
                       .arg(shown, why, QLatin1String(kRemedy));
    if (!detail.isEmpty())
        text += QStringLiteral("\nDetail: ") + detail;
    return TableError(text);
}

// SQLite keeps the journal mode in bytes 18 and 19 of the file header: 2 is
// write-ahead logging, which cannot be read without writing files beside
// the table.
bool isWriteAheadLog(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(100);
    return head.size() == 100 && head.startsWith(QByteArrayLiteral("SQLite format 3\0"))
           && (head[18] == 2 || head[19] == 2);
}

// Opens one SQLite connection for the duration of a read and removes it
// after. The file is opened read-only and immutable, so that SQLite creates
// no file beside it (no journal, no lock file) and ignores any it finds:
// reading a table never writes, also in a read-only folder.
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
        QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        uri.setQuery(QStringLiteral("immutable=1"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
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
    if (isWriteAheadLog(path)) {
        throw TableError(QStringLiteral("The table file %1 is in write-ahead-log mode, which cannot be read without "
                                        "writing files beside it. %2")
                             .arg(shown, QLatin1String(kRemedy)));
    }
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
            throw damaged(shown, QStringLiteral("its structure is broken"), detail);
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

        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(tablefile::quoted(table)))) {
            throw TableError(QStringLiteral("The file %1 cannot be read: %2")
                                 .arg(shown, query.lastError().databaseText()));
        }
        const QSqlRecord header = query.record();
        QStringList columns;
        for (int i = 0; i < header.count(); ++i)
            columns << header.fieldName(i);

        // Bind every declared stored field to its column, ignoring case.
        std::vector<int> stored; // declared field index per bound column
        std::vector<int> column; // its column in the file
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
            column.push_back(int(it - columns.cbegin()));
        }

        // Every value of the file enters the checksum, read or not.
        TableChecksum checksum(table, columns);
        while (query.next()) {
            for (int c = 0; c < columns.size(); ++c)
                checksum.add(query.value(c));
            std::vector<QVariant> row(m_decl->fields.size());
            for (size_t c = 0; c < stored.size(); ++c) {
                const FieldDecl &f = m_decl->fields[size_t(stored[c])];
                QVariant v = query.value(column[c]);
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
                    if (const auto size = pngSize(v.toByteArray());
                        size && (size->first > kLargestPictureSide || size->second > kLargestPictureSide)) {
                        throw TableError(
                            QStringLiteral("The table %1, row %2, field \"%3\" holds a picture of %4 × %5 pixels; "
                                           "a picture of the catalogue has at most %6 each way")
                                .arg(shown)
                                .arg(m_rows.size() + 1)
                                .arg(QString::fromUtf8(f.name))
                                .arg(size->first)
                                .arg(size->second)
                                .arg(kLargestPictureSide));
                    }
                    break;
                }
                row[size_t(stored[c])] = std::move(v);
            }
            m_rows.push_back(std::move(row));
        }
        if (query.lastError().isValid())
            throw damaged(shown, QStringLiteral("it cannot be read to the end"), query.lastError().databaseText());

        // The contents must be those written when the file was supplied.
        if (!query.exec(QStringLiteral("PRAGMA application_id")) || !query.next())
            throw damaged(shown, QStringLiteral("its header cannot be read"), query.lastError().databaseText());
        const std::int32_t applicationId = query.value(0).toInt();
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            throw damaged(shown, QStringLiteral("its header cannot be read"), query.lastError().databaseText());
        const std::int32_t userVersion = query.value(0).toInt();
        if (m_checksumChecked && applicationId == 0 && userVersion == 0)
            throw damaged(shown, QStringLiteral("it carries no content checksum"));
        if (m_checksumChecked && TableChecksum::fromHeader(applicationId, userVersion) != checksum.result())
            throw damaged(shown, QStringLiteral("its contents do not match the checksum written when it was supplied"));
    }
    checkRows(shown);
}

void Table::checkRows(const QString &shown) const
{
    // Each row as the declaration's plausibility check sees it, then the
    // unique key: a designation that is missing or given twice.
    QSet<QString> keys;
    const int key = m_decl->uniqueKey ? m_decl->indexOf(m_decl->uniqueKey) : -1;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        std::vector<QVariant> values = m_rows[r];
        const Record row(*m_decl, values);
        const QString where = QStringLiteral("The table %1, row %2").arg(shown).arg(r + 1);
        if (key >= 0) {
            const QString name = values[size_t(key)].toString().trimmed();
            if (name.isEmpty())
                throw TableError(QStringLiteral("%1: the field \"%2\" is empty").arg(where, QLatin1String(m_decl->uniqueKey)));
            if (keys.contains(name.toUpper())) {
                throw TableError(QStringLiteral("%1: \"%2\" is given twice in the field \"%3\"")
                                     .arg(where, name, QLatin1String(m_decl->uniqueKey)));
            }
            keys.insert(name.toUpper());
        }
        if (m_decl->checkRow) {
            if (const QString problem = m_decl->checkRow(row); !problem.isEmpty()) {
                const QString name = key >= 0 ? QStringLiteral(" (%1)").arg(values[size_t(key)].toString()) : QString();
                throw TableError(QStringLiteral("%1%2: %3").arg(where, name, problem));
            }
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

void Table::refilter(Current current)
{
    if (!m_open)
        return;
    const int kept = current == Current::Kept && m_current >= 0 ? m_visible[size_t(m_current)] : -1;
    m_visible.clear();
    m_current = -1;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (!m_filtered || !m_filter || m_filter(Record(*m_decl, m_rows[i]))) {
            if (int(i) == kept)
                m_current = int(m_visible.size());
            m_visible.push_back(int(i));
        }
    }
    if (m_current < 0)
        m_current = m_visible.empty() ? -1 : 0;
    m_bof = m_current <= 0;
    m_eof = m_visible.empty();
    notifyReset();
    notifyData();
}

void Table::openForSealing()
{
    m_checksumChecked = false;
    try {
        open();
    } catch (...) {
        m_checksumChecked = true;
        throw;
    }
    m_checksumChecked = true;
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
