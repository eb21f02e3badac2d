#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The readable tables of supply/: UTF-8, comma-separated, one header line
// with the column names, fields quoted with " when they hold a comma.
struct CsvTable {
    QString path;
    QStringList header;
    QList<QStringList> rows;  // each as long as the header
    QList<int> lines;         // source line of each row, for messages

    // Column index by name; throws std::runtime_error naming the file when absent.
    int column(const QString &name) const;
};

// Reads a table; throws std::runtime_error naming the file and line on a
// missing file or a row whose length differs from the header.
CsvTable readCsv(const QString &path);

// std::runtime_error with "file:line: what".
[[noreturn]] void sourceError(const QString &path, int line, const QString &what);
