#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace verbalink {

// Conversions between internal UTF-16 text and the UTF-8 wire text, bounded by the
// caller's capacity so that no result can outgrow the buffer it is meant for.

// UTF-16 to UTF-8. The input is read as a C string: conversion stops at the first U+0000.
// `capacity` counts the bytes of the result plus its terminating NUL, so the byte count the
// caller reserves for is `result->size() + 1`. A result that does not fit gives nullopt (the
// caller then sends an empty text). A lone surrogate becomes "?".
std::optional<QByteArray> utf16ToUtf8(QStringView text, qsizetype capacity);

// UTF-8 to UTF-16 of exactly the given bytes (embedded NULs included, a leading BOM kept as
// U+FEFF). `capacity` counts UTF-16 units; a result longer than that gives nullopt. Malformed
// sequences become U+FFFD.
std::optional<QString> utf8ToUtf16(QByteArrayView bytes, qsizetype capacity);

// UTF-16 to UTF-8, stopping at the first U+0000, cut to at most `maxBytes` bytes (no terminator
// counted) at a character boundary, never inside a UTF-8 sequence.
QByteArray utf16ToUtf8Cut(QStringView text, qsizetype maxBytes);

// UTF-8 to UTF-16 of exactly the given bytes as utf8ToUtf16 converts them, cut to at most
// `maxUnits` units; a surrogate pair the cut would split is left out whole.
QString utf8ToUtf16Cut(QByteArrayView bytes, qsizetype maxUnits);

// The narrow proxy fields are C strings in the locale's code page, which is UTF-8 on Linux:
// utf16ToUtf8Cut.
QByteArray toAnsi(QStringView text, qsizetype maxBytes);

// Reads a narrow field up to its first NUL; malformed UTF-8 becomes U+FFFD. The result holds
// at most `maxChars` UTF-16 units and never ends in the first half of a surrogate pair.
QString fromAnsi(QByteArrayView bytes, qsizetype maxChars);

} // namespace verbalink
