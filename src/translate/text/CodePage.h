#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace verbalink {

// An 8-bit text encoding known by its Windows code page number (the number a dictionary's
// declared encoding maps to), converted through glibc iconv. Each conversion opens its own
// iconv handle, so a CodePage can be shared between threads.
class CodePage {
public:
    static constexpr int SystemAnsi = 0; // the locale's code page: UTF-8 on Linux
    static constexpr int Utf8 = 65001;

    // The character set a number stands for: 28591..28599 ISO-8859-1..9, 28605 ISO-8859-15,
    // 865 IBM865, 1257 CP1257, 1251 CP1251, 20866 KOI8-R, 21866 KOI8-U, 65001 and 0 UTF-8.
    // Any other number (57002 ISCII-Devanagari included: glibc has no such converter) has no
    // character set, and every conversion fails.
    explicit CodePage(int number = SystemAnsi);

    // The code page of a dictionary's declared encoding (compared without regard to case),
    // nullopt for a name outside the table. The number follows the table, which shares some
    // numbers between encodings (ISO8859-10 -> 865, ISO8859-13 -> 1257, ISO8859-14 -> 28605),
    // but the conversion uses the declared encoding itself, so a Latin-6 dictionary is read as
    // Latin-6 and not as the DOS Nordic page.
    static std::optional<CodePage> fromEncodingName(QAnyStringView name);

    int number() const { return m_number; }
    // The iconv name used for conversion; empty when there is none.
    QByteArray charset() const { return m_charset; }

    // Text to bytes. `capacity` counts the bytes plus a terminating NUL; a result that does not
    // fit, or a code page without converter, gives nullopt. A character the code page cannot
    // hold (or a lone surrogate) becomes "?", as the Windows default character does.
    std::optional<QByteArray> encode(QStringView text, qsizetype capacity) const;

    // Bytes to text, at most `capacity` UTF-16 units (no terminator counted); a longer result,
    // or a code page without converter, gives nullopt. A byte that is not valid in the code page
    // becomes U+FFFD.
    std::optional<QString> decode(QByteArrayView bytes, qsizetype capacity) const;

    bool operator==(const CodePage&) const = default;

private:
    CodePage(int number, QByteArray charset);

    int m_number;
    QByteArray m_charset;
};

} // namespace verbalink
