#include "SettingsFuzzDriver.h"

#include "platform/SettingsDocument.h"

#include <QList>

namespace verbalink::fuzz {

namespace {

QString fail(const char* what)
{
    return QString::fromLatin1(what);
}

struct Assignment {
    QString path;
    QString name;
    QString value;
};

// A piece with an odd first byte is UTF-16 (two bytes a unit), any other is UTF-8.
QString pieceText(QByteArrayView piece)
{
    if (piece.isEmpty() || (piece[0] & 1) == 0)
        return QString::fromUtf8(piece);
    QString text;
    for (qsizetype i = 1; i + 1 < piece.size(); i += 2) {
        text.append(QChar(char16_t((static_cast<unsigned char>(piece[i]) << 8) |
                                   static_cast<unsigned char>(piece[i + 1]))));
    }
    return text;
}

// Path, name and value triples from pieces separated by 0x1F.
QList<Assignment> assignmentsOf(QByteArrayView input)
{
    QList<QString> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= input.size(); ++i) {
        if (i == input.size() || input[i] == '\x1f') {
            pieces.append(pieceText(input.sliced(start, i - start)));
            start = i + 1;
        }
    }
    QList<Assignment> assignments;
    for (qsizetype i = 0; i + 2 < pieces.size(); i += 3)
        assignments.append({pieces[i], pieces[i + 1], pieces[i + 2]});
    return assignments;
}

QString checkFileReadsBack(QByteArrayView input)
{
    const std::optional<SettingsDocument> read = SettingsDocument::parse(input.toByteArray());
    if (!read)
        return {};
    const QByteArray written = read->serialize();
    const std::optional<SettingsDocument> again = SettingsDocument::parse(written);
    if (!again)
        return fail("an accepted file was written in a form that cannot be read");
    if (again->serialize() != written)
        return fail("an accepted file reads back differently");
    return {};
}

QString checkValuesRoundTrip(QByteArrayView input)
{
    const QList<Assignment> assignments = assignmentsOf(input);
    SettingsDocument document;
    for (const Assignment& a : assignments)
        document.setValue(a.path, a.name, a.value);
    const std::optional<SettingsDocument> read = SettingsDocument::parse(document.serialize());
    if (!read)
        return fail("a written document cannot be read");
    for (const Assignment& a : assignments) {
        if (!read->hasSection(a.path))
            return fail("a section was lost");
        if (read->value(a.path, a.name) != document.value(a.path, a.name))
            return fail("a value did not read back exactly");
    }
    return {};
}

} // namespace

QString driveSettings(QByteArrayView input)
{
    const QString file = checkFileReadsBack(input);
    return file.isEmpty() ? checkValuesRoundTrip(input) : file;
}

} // namespace verbalink::fuzz
