#include "app/SettingAccess.h"

#include <algorithm>
#include <limits>

namespace verbalink {

namespace {

// Stored text ends at the first NUL: values written by other programs may carry a terminator.
QString storedText(const QString& raw)
{
    const qsizetype nul = raw.indexOf(QChar(0));
    return nul < 0 ? raw : raw.left(nul);
}

QString readWithDefault(RegistryStore& store, RegistryRoot root, const QString& keyPath,
                        const QString& name, const QString& defaultText)
{
    if (!store.createKey(root, keyPath))
        return defaultText;
    const auto size = store.valueSize(root, keyPath, name);
    if (!size) {
        store.writeValue(root, keyPath, name, defaultText);
        return defaultText;
    }
    if (*size == 0)
        return QString();
    const auto raw = store.readValue(root, keyPath, name);
    return raw ? storedText(*raw) : defaultText;
}

} // namespace

QByteArray utf8Prefix(const QString& text, qsizetype maxBytes)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= maxBytes)
        return utf8;
    qsizetype cut = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to the start of the cut sequence.
    while (cut > 0 && (uchar(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    utf8.truncate(cut);
    return utf8;
}

QByteArray readSetting(RegistryStore& store, RegistryRoot root, const QString& keyPath,
                       const QString& name, const QString& defaultText)
{
    return utf8Prefix(readWithDefault(store, root, keyPath, name, defaultText), NarrowSettingLimit);
}

QString readSettingWide(RegistryStore& store, const QString& keyPath, const QString& name,
                        const QString& defaultText)
{
    return readWithDefault(store, RegistryRoot::CurrentUser, keyPath, name, defaultText);
}

QString readSettingWide(RegistryStore& store, RegistryRoot root, const QString& keyPath,
                        const QString& name, const QString& defaultText)
{
    return readWithDefault(store, root, keyPath, name, defaultText);
}

bool writeSetting(RegistryStore& store, const QString& keyPath, const QString& name,
                  const QString& text)
{
    return store.createKey(RegistryRoot::CurrentUser, keyPath) &&
           store.writeValue(RegistryRoot::CurrentUser, keyPath, name, text);
}

bool deleteSetting(RegistryStore& store, const QString& keyPath, const QString& name)
{
    return store.createKey(RegistryRoot::CurrentUser, keyPath) &&
           store.deleteValue(RegistryRoot::CurrentUser, keyPath, name);
}

int settingNumber(const QByteArray& text)
{
    qsizetype i = 0;
    auto isBlank = [](char c) {
        return c == ' ' || (c >= '\t' && c <= '\r');
    };
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    qint64 value = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(limit, value * 10 + (text[i] - '0'));
    value = negative ? -value : value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace verbalink
