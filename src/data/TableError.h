#pragma once

#include <QString>

#include <stdexcept>

// A table that cannot be opened or read. The message names the file and,
// where it applies, the field and the row.
class TableError : public std::runtime_error {
public:
    explicit TableError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
