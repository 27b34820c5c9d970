#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace verbalink {

// The 65 languages a rule can name, "DISABLED" ("00") first, in the order the dialogs list them.
class TranslationRuleLanguages {
public:
    struct Entry {
        QString code;
        QString name;
    };

    static const QList<Entry>& entries();
    static QStringList names();
    // Empty when the code is not in the table.
    static QString nameOf(const QString& code);
    // The position of the first entry with that code or name; -1 when there is none.
    static qsizetype indexOfCode(const QString& code);
    static qsizetype indexOfName(const QString& name);
};

} // namespace verbalink
