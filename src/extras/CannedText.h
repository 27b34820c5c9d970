#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace verbalink {

// A named group of ready-made chat texts, each kept as the CR LF-joined text it is sent as.
struct CannedGroup {
    QString name;
    QStringList texts;
};

// Reads the ready-made texts from their JSON form: {"<listKey>": [{"name": ..., "<textsKey>":
// ...}]}. With `linesEachText` every entry of <textsKey> is a list of lines (one text each);
// without it <textsKey> is itself one text's lines. Anything else is refused with a message.
std::optional<QList<CannedGroup>> readCannedGroups(const QByteArray& json, const QString& listKey,
                                                   const QString& textsKey, bool linesEachText,
                                                   QString& error);

// The groups of a file built into the program; empty (and a warning) when it cannot be read.
QList<CannedGroup> readBuiltInGroups(const QString& path, const QString& listKey,
                                     const QString& textsKey, bool linesEachText);
QStringList groupNames(const QList<CannedGroup>& groups);
// The group with exactly that name, or null.
const CannedGroup* findGroup(const QList<CannedGroup>& groups, const QString& name);

// The text before the first CR followed by "...", as lists show a greeting; a text without CR
// is shown whole.
QString shortForm(const QString& text);

} // namespace verbalink
