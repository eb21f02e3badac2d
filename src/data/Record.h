#pragma once

#include "data/FieldDecl.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <vector>

// One row buffer of a table: the stored values read from the file and the
// computed values its hook wrote. Fields are named as declared, ignoring case.
class Record {
public:
    Record(const TableDecl &decl, std::vector<QVariant> &values) : m_decl(&decl), m_values(&values) {}

    const TableDecl &declaration() const { return *m_decl; }

    // An empty field reads as 0.
    double asFloat(const char *name) const;
    QString asText(const char *name) const;
    bool isNull(const char *name) const;
    void setFloat(const char *name, double value);

    const QVariant &value(int index) const { return (*m_values)[size_t(index)]; }

private:
    int indexOf(const char *name) const;

    const TableDecl *m_decl;
    std::vector<QVariant> *m_values;
};
