#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace verbalink {

// The pieces every engine request is built from.
namespace EngineWire {

inline constexpr QByteArrayView AcceptCharsetLine = "Accept-Charset: utf-8;q=0.7,*;q=0.7\r\n";
inline constexpr QByteArrayView UserAgentLine =
    "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64; rv:9.0.1) Gecko/20100101 Firefox/9.0.1\r\n";

// Room for the message text in UTF-8, terminator included.
inline constexpr qsizetype TextCapacity = 100000;
// The language-detecting request's smaller room.
inline constexpr qsizetype DetectingTextCapacity = 10000;

// Whether the text in UTF-8 fits the capacity. A text that does not is never sent: an empty
// request would come back with the translation of nothing.
bool fits(QStringView text, qsizetype capacity);
// The text in UTF-8, or empty when it does not fit the capacity.
QByteArray utf8Text(QStringView text, qsizetype capacity);
// The text in UTF-8, URL-encoded; empty when it does not fit.
QByteArray encodedText(QStringView text, qsizetype capacity);
// A language code as a request parameter. Codes from the tables come out unchanged; a code
// from the chat client or a rule cannot add request lines or parameters.
QByteArray languageParameter(QByteArrayView code);
// "http://host/", the root address the Referer lines name.
QByteArray rootAddress(QByteArrayView host);
// "METHOD http://host", the start of a request in the absolute form a proxy can forward.
QByteArray absoluteRequestStart(QByteArrayView method, QByteArrayView host);
// Ends the request line as HTTP/1.0 and adds the Host and Accept-Charset lines.
void endRequestLine(QByteArray& request, QByteArrayView host);

} // namespace EngineWire

} // namespace verbalink
