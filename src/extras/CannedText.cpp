#include "extras/CannedText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace verbalink {

namespace {

std::optional<QString> joinedLines(const QJsonValue& value)
{
    if (!value.isArray() || value.toArray().isEmpty())
        return std::nullopt;
    QStringList lines;
    for (const QJsonValue& line : value.toArray()) {
        if (!line.isString())
            return std::nullopt;
        lines.append(line.toString());
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

std::optional<QList<CannedGroup>> readCannedGroups(const QByteArray& json, const QString& listKey,
                                                   const QString& textsKey, bool linesEachText,
                                                   QString& error)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (!document.isObject() || !document.object().value(listKey).isArray()) {
        error = parse.error != QJsonParseError::NoError ? parse.errorString()
                                                        : u"no list \"" + listKey + u'"';
        return std::nullopt;
    }
    QList<CannedGroup> groups;
    for (const QJsonValue& entry : document.object().value(listKey).toArray()) {
        const QJsonObject object = entry.toObject();
        CannedGroup group{object.value(QStringLiteral("name")).toString(), {}};
        const QJsonValue texts = object.value(textsKey);
        const QJsonArray each = linesEachText ? texts.toArray() : QJsonArray{texts};
        for (const QJsonValue& lines : each) {
            const std::optional<QString> text = joinedLines(lines);
            if (!text) {
                error = u"a text of \"" + group.name + u"\" is not a list of lines";
                return std::nullopt;
            }
            group.texts.append(*text);
        }
        if (group.name.isEmpty() || group.texts.isEmpty()) {
            error = QStringLiteral("an entry without a name or texts");
            return std::nullopt;
        }
        groups.append(group);
    }
    return groups;
}

QList<CannedGroup> readBuiltInGroups(const QString& path, const QString& listKey,
                                     const QString& textsKey, bool linesEachText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString error;
    std::optional<QList<CannedGroup>> groups =
        readCannedGroups(file.readAll(), listKey, textsKey, linesEachText, error);
    if (!groups)
        qWarning("Verbalink: %s: %s", qPrintable(path), qPrintable(error));
    return groups.value_or(QList<CannedGroup>());
}

QStringList groupNames(const QList<CannedGroup>& groups)
{
    QStringList names;
    for (const CannedGroup& group : groups)
        names.append(group.name);
    return names;
}

const CannedGroup* findGroup(const QList<CannedGroup>& groups, const QString& name)
{
    for (const CannedGroup& group : groups) {
        if (group.name == name)
            return &group;
    }
    return nullptr;
}

QString shortForm(const QString& text)
{
    const qsizetype cr = text.indexOf(u'\r');
    return cr < 0 ? text : text.left(cr) + u"...";
}

} // namespace verbalink
