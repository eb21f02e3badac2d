#include "data/Record.h"

#include "data/TableError.h"

int Record::indexOf(const char *name) const
{
    const int i = m_decl->indexOf(name);
    if (i < 0) {
        throw TableError(QStringLiteral("The table %1 declares no field \"%2\"")
                             .arg(QString::fromUtf8(m_decl->component), QString::fromUtf8(name)));
    }
    return i;
}

double Record::asFloat(const char *name) const
{
    const QVariant &v = (*m_values)[size_t(indexOf(name))];
    return v.isNull() ? 0.0 : v.toDouble();
}

QString Record::asText(const char *name) const { return (*m_values)[size_t(indexOf(name))].toString(); }

bool Record::isNull(const char *name) const { return (*m_values)[size_t(indexOf(name))].isNull(); }

void Record::setFloat(const char *name, double value) { (*m_values)[size_t(indexOf(name))] = value; }
