#include "translate/engines/EngineWire.h"

#include "translate/text/UrlEncoding.h"
#include "translate/text/UtfConversion.h"

namespace verbalink::EngineWire {

bool fits(QStringView text, qsizetype capacity)
{
    return utf16ToUtf8(text, capacity).has_value();
}

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

QByteArray absoluteRequestStart(QByteArrayView method, QByteArrayView host)
{
    QByteArray start = method.toByteArray();
    start += " http://";
    start += host;
    return start;
}

void endRequestLine(QByteArray& request, QByteArrayView host)
{
    request += " HTTP/1.0\r\nHost: ";
    request += host;
    request += "\r\n";
    request += AcceptCharsetLine;
}

} // namespace verbalink::EngineWire
