#pragma once

#include "i18n/IvCustomDictionary.h"

#include <QByteArray>
#include <QString>

// The header of a dictionary file ("MLD" signature, 42 bytes).
struct TIvMldHeader {
    int version = 0;
    bool bigEndian = false;
    bool wide = true; // UTF-16 characters; false: 8-bit
    TIvContextKind contextKind = ivckNone;
    int languageCount = 0;
    quint32 languageOffset = 0;
    int translationCount = 0;
    quint32 translationOffset = 0;
    int localeCount = 0;
    quint32 localeOffset = 0;
};

// Reads the parts of a dictionary file held in memory. Every count, offset
// and length is checked against the data: a file that runs short or points
// outside itself fails with EIvStreamError naming the file, never with a
// read out of bounds.
//
// 8-bit strings are decoded with the code page the format names for them:
// translations with their language's, native names and locale texts with
// their record's, everything else with ansiCodePage. UTF-16 strings are
// taken as they are (Qt's strings are UTF-16 already).
class TIvMldReader {
public:
    static constexpr int kHeaderSize = 42;

    // Reads and checks the header.
    TIvMldReader(QByteArray data, QString fileName, int ansiCodePage = 1252);

    const TIvMldHeader &header() const { return m_header; }
    // The language records as stored (see TIvCustomDictionary::normalised).
    QList<TIvLanguageInfo> languages() const;
    // The translation records; languages give the code pages of 8-bit columns.
    QList<TIvTranslationRecord> translations(const QList<TIvLanguageInfo> &languages) const;
    // The custom locale records ("No custom locales" when there are none).
    QList<TIvLocaleInfo> locales() const;

private:
    class Cursor;
    Cursor cursorAt(quint32 offset) const;

    QByteArray m_data;
    QString m_fileName;
    int m_ansiCodePage;
    TIvMldHeader m_header;
};
