#pragma once

#include "data/FieldDecl.h"
#include "data/Record.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

class Table;

// A field of a table bound by name; reads the table's current row.
class FieldRef {
public:
    FieldRef(const Table *table, int index) : m_table(table), m_index(index) {}
    const FieldDecl &declaration() const;
    int index() const { return m_index; }
    bool isNull() const;
    double asFloat() const;      // an empty field reads as 0
    QString asString() const;
    QByteArray asBytes() const;  // the picture of a graphic field
    QString displayText(QChar decimalPoint) const;

private:
    const Table *m_table;
    int m_index;
};

// A read-only table file: an SQLite database holding one table whose columns
// are the declared stored fields. Opening reads every row into memory,
// checks the file's content checksum and the plausibility of every row, runs
// the computed-field hook on each and applies the record filter; navigation,
// locate and the data-change notice then work on the rows the filter accepts.
class Table : public QObject {
    Q_OBJECT
public:
    using Filter = std::function<bool(const Record &)>;

    explicit Table(const TableDecl &decl, QObject *parent = nullptr);
    ~Table() override;

    const TableDecl &declaration() const { return *m_decl; }

    void setDirectory(const QString &directory);
    const QString &directory() const { return m_directory; }
    void setFileName(const QString &fileName);
    const QString &fileName() const { return m_fileName; }
    // The full path of the file found at the last open.
    const QString &filePath() const { return m_filePath; }

    // Opening an open table does nothing; reopening recomputes every row.
    void open();
    // Opens with every check but the content checksum: for the data
    // supplier's tool that checks a table changed on purpose and seals it.
    void openForSealing();
    // The file the table would open ("heb.db" finds "HEB.DB"); throws
    // TableError when there is none.
    QString resolveFile() const;
    void close();
    bool isOpen() const { return m_open; }

    // The filter applies while the table is filtered and is consulted at open.
    void setFilter(Filter filter) { m_filter = std::move(filter); }
    void setFiltered(bool filtered) { m_filtered = filtered; }
    bool isFiltered() const { return m_filtered; }
    // Which row is current after the filter is applied again.
    enum class Current { First, Kept };
    // Applies the filter again to the rows read at open, without reading the
    // file: the accepted rows are replaced and the first becomes current, as
    // after an open; with Current::Kept the row that was current stays so
    // when the filter still accepts it. Cannot fail; a closed table stays
    // closed.
    void refilter(Current current = Current::First);

    void first();
    void last();
    void next();
    void prior();
    bool isBof() const { return m_bof; }
    bool isEof() const { return m_eof; }
    // 1-based number of the current row among the accepted rows; 0 when none.
    int recNo() const { return m_current + 1; }
    int recordCount() const { return int(m_visible.size()); }
    // The number of rows read at open, accepted or not.
    int fileRecordCount() const { return int(m_rows.size()); }
    // 0-based position among the accepted rows, -1 when there is none.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);

    // Moves to the first row whose fields (names separated by ';') equal the
    // values, ignoring case, whole values. Answers whether one was found.
    bool locate(const QString &fieldNames, const QStringList &values);

    // While controls are disabled no notice is sent; the last enable sends one.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

    int fieldCount() const { return int(m_decl->fields.size()); }
    int fieldIndex(const QString &name) const;
    // The field of that name; throws TableError when the table declares none.
    FieldRef field(const QString &name) const;
    // A value of an accepted row (0-based) and declared field.
    const QVariant &value(int row, int fieldIndex) const;
    const QVariant &currentValue(int fieldIndex) const;
    // The row buffer of an accepted row, as the hook and the filter see it.
    Record record(int row);

signals:
    // The current row moved, or the table opened.
    void dataChange();
    // The set of accepted rows was replaced (open, close).
    void rowsReset();

private:
    void readFile(const QString &path);
    // Refuses the first row the declaration finds implausible, and a
    // missing or repeated key.
    void checkRows(const QString &shown) const;
    void moveTo(int row);
    void notifyData();
    void notifyReset();

    const TableDecl *m_decl;
    QString m_directory;
    QString m_fileName;
    QString m_filePath;
    bool m_open = false;
    bool m_checksumChecked = true;
    Filter m_filter;
    bool m_filtered = false;

    std::vector<std::vector<QVariant>> m_rows; // every row of the file, in file order
    std::vector<int> m_visible;                // rows the filter accepts
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    int m_disabled = 0;
    bool m_pendingData = false;
    bool m_pendingReset = false;
};
