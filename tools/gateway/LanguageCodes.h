#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <span>

namespace verbalink::gateway {

// Language names as Apertium uses them (ISO 639-3, three letters: "eng", "spa") and as the
// services and the language detector send them (two letters, some with a region: "es",
// "zh-CN", "pt-BR", Google's old "iw").
namespace LanguageCodes {

// One row of a table of codes: a code and the language it names, in three letters.
struct CodeName {
    const char* code;
    const char* language;
};

// The language the code names in the table, or empty.
QByteArray lookUp(std::span<const CodeName> table, QByteArrayView code);

// Three letters for a two-letter code (region ignored) or a three-letter one; empty when the
// code names no language known here.
QByteArray toThreeLetters(QByteArrayView code);
// Two letters for three, or empty when the language has none.
QByteArray toTwoLetters(QByteArrayView threeLetters);

} // namespace LanguageCodes

} // namespace verbalink::gateway
