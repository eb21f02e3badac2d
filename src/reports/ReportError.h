#pragma once

#include <QString>

#include <stdexcept>

// A report that cannot be produced or written: a data source missing, a PDF
// file that cannot be written. The message is the text the user reads.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// Printing failed, or there is no printer to print on. The print commands
// answer it with the one message "There isn't any printer.".
class PrintError : public ReportError {
public:
    using ReportError::ReportError;
};
