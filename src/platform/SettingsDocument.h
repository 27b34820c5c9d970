#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace verbalink {

// The text form of a settings file: sections named by key path, each with string values in the
// order they were first written. Names compare without regard to case, as registry names do;
// lookups go through an index of the case-folded names, so even a huge file reads in linear time.
//
//   [Software\Verbalink]
//   MenuLanguage=33223
//
// Values are stored exactly: control characters, "=" in names and UTF-16 units that are not valid
// on their own are written "\uXXXX", and a backslash that could be read as the start of such an
// escape is doubled. Any other backslash stands for itself.
class SettingsDocument {
public:
    // Nothing when the text is not a settings document.
    static std::optional<SettingsDocument> parse(const QByteArray& text);
    QByteArray serialize() const;

    bool hasSection(const QString& keyPath) const;
    void addSection(const QString& keyPath);
    std::optional<QString> value(const QString& keyPath, const QString& name) const;
    void setValue(const QString& keyPath, const QString& name, const QString& text);
    // True when a value was removed.
    bool removeValue(const QString& keyPath, const QString& name);

private:
    struct Entry {
        QString name;
        QString value;
    };
    struct Section {
        QString path;
        QList<Entry> entries;
        // Case-folded name → position in entries.
        QHash<QString, qsizetype> index;
    };

    Section* findSection(const QString& keyPath);
    const Section* findSection(const QString& keyPath) const;
    // Position of the entry in the section, or -1.
    static qsizetype indexOf(const Section& section, const QString& name);

    QList<Section> m_sections;
    // Case-folded path → position in m_sections.
    QHash<QString, qsizetype> m_sectionIndex;
};

} // namespace verbalink
