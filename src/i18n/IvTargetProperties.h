#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of a translator's target list: the class that owns a property
// and the property's name ("" = any class, resp. every property of the
// class), included or excluded.
struct TIvTargetProperty {
    enum Kind { Include = 0, Exclude = 1 };
    QString className;
    QString propertyName;
    Kind kind = Include;

    friend bool operator==(const TIvTargetProperty &, const TIvTargetProperty &) = default;
};

// The properties a translator translates, in the stored form of a window
// layout ("TargetsData"):
//     (1 3 ('*' 'Hint' 0) ('*' 'Caption' 0) ('TSpeedButton' 'Hint' 0))
// the data version (1), the number of entries and one (class property
// kind) list per entry, "*" standing for an empty name.
class TIvTargetProperties {
public:
    TIvTargetProperties() = default;
    // Inclusions of the named properties for every class.
    static TIvTargetProperties fromNames(const QStringList &propertyNames);
    // Parses TargetsData; an unknown version fails with EIvMulti
    // "Unknown target properties data version: N", text that is not a
    // target list with EIvMulti naming the fault.
    static TIvTargetProperties fromData(const QString &data);
    QString toData() const;

    // Appends an entry unless an equal one is listed already.
    void add(const TIvTargetProperty &entry);
    void add(const QString &className, const QString &propertyName,
             TIvTargetProperty::Kind kind = TIvTargetProperty::Include);
    void clear();

    const QList<TIvTargetProperty> &entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    int exclusionCount() const { return m_exclusions; }

    // Whether property of an object of exactly class className is
    // translated: no exclusion matches and an inclusion does. Names compare
    // without regard to case; a base class's entry does not match.
    bool isTarget(const QString &className, const QString &propertyName) const;

private:
    static bool matches(const TIvTargetProperty &entry, const QString &className, const QString &propertyName);

    QList<TIvTargetProperty> m_entries;
    int m_exclusions = 0;
};
