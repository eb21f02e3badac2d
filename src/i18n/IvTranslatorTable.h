#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

// One text a translator changed: where it lives and the native text it came
// from, so that every later language change starts again from the native.
struct TIvTranslatorTableItem {
    QPointer<QObject> object; // the object whose property was translated
    QString componentName;    // its objectName; empty for the window itself
    QString propertyName;     // the target name ("Caption", "Items", ...)
    QString nativeText;       // the text found when first met
    QString nativeKey;        // nativeText without its first "&" for menu items
    QString currentKey;       // the last translation written, the same way
};

// The native texts of one translator, in the order they were met.
class TIvTranslatorTable {
public:
    int count() const { return static_cast<int>(m_items.size()); }
    const TIvTranslatorTableItem &at(int index) const { return m_items.at(index); }
    TIvTranslatorTableItem &operator[](int index) { return m_items[index]; }
    void append(const TIvTranslatorTableItem &item) { m_items.append(item); }
    void clear() { m_items.clear(); }

    // The first row of the object and property whose current key is key, or -1.
    int find(const QObject *object, const QString &propertyName, const QString &key) const
    {
        for (int i = 0; i < count(); ++i) {
            const TIvTranslatorTableItem &item = m_items.at(i);
            if (item.object == object && item.currentKey == key && item.propertyName == propertyName)
                return i;
        }
        return -1;
    }

private:
    QList<TIvTranslatorTableItem> m_items;
};
