#pragma once

#include <QList>
#include <QString>

class QObject;

// How the translator reaches the texts of Qt's classes: one entry per Qt
// class and target name. An entry applies to objects that inherit qtClass
// (and pass applies, when given); it is used when one of its targets
// ("Caption", or "DisplayLabel|Caption") is a target of the object's own
// class, and the table records the texts under the first such name.
//
// An entry reaches either one text (get/set) or a list of texts
// (count/item/setItem: combo box items, grid column titles, navigator
// hints). A list may belong to another object than the one walked
// (listObject: a grid's model); that object is translated once per run
// even when several views show it.
//
// Supporting another Qt class is one more entry in IvPropertyAdapters.cpp.
struct TIvPropertyAdapter {
    const char *qtClass = nullptr;
    const char *targets = nullptr;
    bool (*applies)(QObject *object, const QObject *root) = nullptr;

    QString (*get)(QObject *object) = nullptr;
    void (*set)(QObject *object, const QString &text) = nullptr;

    int (*count)(QObject *object) = nullptr;
    QString (*item)(QObject *object, int index) = nullptr;
    void (*setItem)(QObject *object, int index, const QString &text) = nullptr;
    QObject *(*listObject)(QObject *object) = nullptr;
    void (*begin)(QObject *object) = nullptr; // before the list's texts change
    void (*end)(QObject *object) = nullptr;   // after

    bool menuItem = false; // the first "&" is not part of the key
};

namespace ivadapter {

// Every entry, in the order they apply to one object.
const QList<TIvPropertyAdapter> &adapters();

// Objects whose children are the widget's own internals, never walked.
bool opaque(const QObject *object);

} // namespace ivadapter
