#include "platform/SettingsDocument.h"

#include "platform/HexDigits.h"

#include <QStringDecoder>

namespace verbalink {

namespace {

// The unit of a "\\uXXXX" escape at the start of text, or -1.
int escapedUnit(QStringView text)
{
    if (text.size() < 6 || text[1] != u'u')
        return -1;
    return hexDigitsValue(text.mid(2, 4));
}

// Whether the unit at i is written as a "\\uXXXX" escape.
bool needsEscape(const QString& text, qsizetype i, bool isName)
{
    const char16_t c = text.at(i).unicode();
    if (QChar::isHighSurrogate(c))
        return i + 1 == text.size() || !QChar::isLowSurrogate(text.at(i + 1).unicode());
    if (QChar::isLowSurrogate(c))
        return i == 0 || !QChar::isHighSurrogate(text.at(i - 1).unicode());
    if (c < 0x20 || c == 0x7F)
        return true;
    return isName && (c == u'=' || (i == 0 && (c == u'#' || c == u'[' || c == u' ')));
}

QString escape(const QString& text, bool isName)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (needsEscape(text, i, isName)) {
            out += u"\\u" + QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper();
        } else if (c == u'\\') {
            // Doubled only where it could be read as the start of an escape.
            const bool ambiguous =
                i + 1 < text.size() && (text.at(i + 1) == u'\\' || text.at(i + 1) == u'u' ||
                                        needsEscape(text, i + 1, isName));
            out += ambiguous ? u"\\\\" : u"\\";
        } else {
            out += c;
        }
    }
    return out;
}

// Reads back what escape() writes. A backslash that starts no escape stands for itself, so a
// hand-edited "[Software\Verbalink]" means what it says.
QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == u'\\') {
            out += u'\\';
            ++i;
        } else if (const int unit = escapedUnit(text.mid(i)); unit >= 0) {
            out += QChar(char16_t(unit));
            i += 5;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

std::optional<SettingsDocument> SettingsDocument::parse(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;

    SettingsDocument doc;
    Section* current = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                return std::nullopt;
            const QString path = unescape(line.mid(1, line.size() - 2));
            doc.addSection(path);
            current = doc.findSection(path);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (current == nullptr || eq < 0)
            return std::nullopt;
        doc.setValue(current->path, unescape(line.left(eq)), unescape(line.mid(eq + 1)));
    }
    return doc;
}

QByteArray SettingsDocument::serialize() const
{
    QString out = QStringLiteral("# Verbalink settings\n");
    for (const Section& section : m_sections) {
        out += u"\n[" + escape(section.path, false) + u"]\n";
        for (const Entry& entry : section.entries)
            out += escape(entry.name, true) + u'=' + escape(entry.value, false) + u'\n';
    }
    return out.toUtf8();
}

SettingsDocument::Section* SettingsDocument::findSection(const QString& keyPath)
{
    const auto at = m_sectionIndex.constFind(keyPath.toCaseFolded());
    return at == m_sectionIndex.cend() ? nullptr : &m_sections[*at];
}

const SettingsDocument::Section* SettingsDocument::findSection(const QString& keyPath) const
{
    const auto at = m_sectionIndex.constFind(keyPath.toCaseFolded());
    return at == m_sectionIndex.cend() ? nullptr : &m_sections[*at];
}

qsizetype SettingsDocument::indexOf(const Section& section, const QString& name)
{
    return section.index.value(name.toCaseFolded(), -1);
}

bool SettingsDocument::hasSection(const QString& keyPath) const
{
    return findSection(keyPath) != nullptr;
}

void SettingsDocument::addSection(const QString& keyPath)
{
    if (hasSection(keyPath))
        return;
    m_sectionIndex.insert(keyPath.toCaseFolded(), m_sections.size());
    m_sections.append(Section{keyPath, {}, {}});
}

std::optional<QString> SettingsDocument::value(const QString& keyPath, const QString& name) const
{
    const Section* section = findSection(keyPath);
    const qsizetype at = section ? indexOf(*section, name) : -1;
    return at < 0 ? std::nullopt : std::optional<QString>(section->entries[at].value);
}

void SettingsDocument::setValue(const QString& keyPath, const QString& name, const QString& text)
{
    addSection(keyPath);
    Section* section = findSection(keyPath);
    if (const qsizetype at = indexOf(*section, name); at >= 0) {
        section->entries[at].value = text;
        return;
    }
    section->index.insert(name.toCaseFolded(), section->entries.size());
    section->entries.append(Entry{name, text});
}

bool SettingsDocument::removeValue(const QString& keyPath, const QString& name)
{
    Section* section = findSection(keyPath);
    const qsizetype at = section ? indexOf(*section, name) : -1;
    if (at < 0)
        return false;
    section->entries.removeAt(at);
    // Removals are rare (the login entry): the positions after it are simply counted again.
    section->index.clear();
    for (qsizetype i = 0; i < section->entries.size(); ++i)
        section->index.insert(section->entries[i].name.toCaseFolded(), i);
    return true;
}

} // namespace verbalink
