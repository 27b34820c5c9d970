#include "translate/EngineWire.h"

#include "translate/UrlEncoding.h"
#include "translate/UtfConversion.h"

namespace verbalink::EngineWire {

QByteArray utf8Text(QStringView text, qsizetype capacity)
{
    return utf16ToUtf8(text, capacity).value_or(QByteArray());
}

QByteArray encodedText(QStringView text, qsizetype capacity)
{
    return urlEncode(utf8Text(text, capacity));
}

QByteArray languageParameter(QByteArrayView code)
{
    return urlEncode(code);
}

QByteArray rootAddress(QByteArrayView host)
{
    QByteArray address = "http://";
    address += host;
    address += '/';
    return address;
}

} // namespace verbalink::EngineWire
