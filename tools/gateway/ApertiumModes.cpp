#include "gateway/ApertiumModes.h"

#include "gateway/LanguageCodes.h"

#include <QDir>
#include <QSet>

namespace verbalink::gateway {

namespace {

// A mode's language: two or three lower-case letters.
QByteArray modeLanguage(const QString& part)
{
    if (part.size() < 2 || part.size() > 3)
        return {};
    for (const QChar c : part) {
        if (c < u'a' || c > u'z')
            return {};
    }
    return LanguageCodes::toThreeLetters(part.toLatin1());
}

} // namespace

ApertiumModes ApertiumModes::scan(const QString& folder)
{
    ApertiumModes modes;
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*.mode")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QStringList parts = file.chopped(5).split(u'-');
        if (parts.size() != 2)
            continue;
        const QByteArray from = modeLanguage(parts[0]);
        const QByteArray to = modeLanguage(parts[1]);
        const Direction direction{from, to};
        if (from.isEmpty() || to.isEmpty() || from == to || modes.m_modes.contains(direction))
            continue;
        modes.m_modes.insert(direction, QDir(folder).absoluteFilePath(file));
    }
    return modes;
}

QString ApertiumModes::modeFile(QByteArrayView from, QByteArrayView to) const
{
    return m_modes.value({from.toByteArray(), to.toByteArray()});
}

QList<QByteArray> ApertiumModes::languages() const
{
    QSet<QByteArray> seen;
    QList<QByteArray> languages;
    for (const Direction& direction : m_modes.keys()) {
        for (const QByteArray& language : {direction.first, direction.second}) {
            if (!seen.contains(language)) {
                seen.insert(language);
                languages.append(language);
            }
        }
    }
    return languages;
}

} // namespace verbalink::gateway
