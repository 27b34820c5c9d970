#include "gateway/ApertiumStream.h"

namespace verbalink::gateway::ApertiumStream {

namespace {

constexpr QByteArrayView Escaped = "\\[]^$/@<>{}";
// Mark characters: as text they travel in blanks, bare in the output they are marks.
constexpr QByteArrayView MarkCharacters = "*#@~";

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

QByteArray encode(QStringView text, QByteArrayView tag)
{
    const QByteArray bytes = text.toUtf8();
    QByteArray stream = '[' + tag.toByteArray() + ']';
    stream.reserve(bytes.size() + tag.size() + 16);
    for (const char c : bytes) {
        if (c == '\0')
            continue; // it would end the request early
        if (Escaped.contains(c)) {
            stream += '\\';
            stream += c;
        } else if (MarkCharacters.contains(c) || isControl(c)) {
            stream += '[';
            stream += c;
            stream += ']';
        } else {
            stream += c;
        }
    }
    stream += "[]";
    return stream;
}

std::optional<QString> decode(QByteArrayView stream, QByteArrayView tag)
{
    QByteArray text;
    text.reserve(stream.size());
    bool tagFound = false;
    qsizetype i = 0;
    while (i < stream.size()) {
        const char c = stream[i];
        if (c == '\\') {
            if (i + 1 < stream.size())
                text += stream[i + 1];
            i += 2;
        } else if (c == '[') {
            QByteArray blank;
            qsizetype j = i + 1;
            while (j < stream.size() && stream[j] != ']') {
                if (stream[j] == '\\' && j + 1 < stream.size())
                    ++j;
                blank += stream[j++];
            }
            if (!tagFound && j < stream.size() && blank == tag)
                tagFound = true;
            else
                text += blank;
            i = j + 1;
        } else {
            if (!MarkCharacters.contains(c))
                text += c;
            ++i;
        }
    }
    if (!tagFound)
        return std::nullopt;
    return QString::fromUtf8(text);
}

} // namespace verbalink::gateway::ApertiumStream
