#pragma once

#include <QString>

#include <stdexcept>

// The failures of the localisation layer. Every one carries its text as a
// QString, so the general error report can translate and show it.
class EIvError : public std::runtime_error {
public:
    explicit EIvError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A failure of a translator or a dictionary: unknown target data, no
// dictionary, an unsupported language, a missing translation.
class EIvMulti : public EIvError {
public:
    using EIvError::EIvError;
};

// An index outside its range: a language index, the default dictionary index.
class EIvRangeError : public EIvError {
public:
    using EIvError::EIvError;
};

// A dictionary file that cannot be read as one: wrong signature, a zero
// offset, a count, offset or length that runs past the end of the file.
class EIvStreamError : public EIvError {
public:
    using EIvError::EIvError;
};
