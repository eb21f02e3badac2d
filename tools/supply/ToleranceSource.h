#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// One item of a tolerance standard as supply/tolerances/*.txt describes it:
// its name in each language, the sketch its figure draws, and the table of
// permitted deviations. The format is documented at the top of each file.
struct ToleranceItem {
    QString sketch;                            // height, width, web, flange, square, ...
    QMap<QString, QString> name;               // by language: "EN", "ES"
    QMap<QString, QStringList> head;           // table header cells
    QMap<QString, QList<QStringList>> rows;    // table rows
    QMap<QString, QStringList> notes;          // lines under the table
    int line = 0;                              // where the item starts, for messages
};

struct ToleranceSource {
    QString path;
    QString standard;                          // "UNE-EN 10034:1994"
    QList<QPair<QString, QString>> keys;       // "Raroda" key and the section its sketches draw
    QList<ToleranceItem> items;
};

inline const QStringList kToleranceLanguages = {QStringLiteral("EN"), QStringLiteral("ES")};

// Reads and checks one file: every item named in both languages (at most 30
// characters), with a header and the same number of rows in each, every row
// as wide as its header. Throws std::runtime_error naming the file and line.
ToleranceSource readToleranceSource(const QString &path);
