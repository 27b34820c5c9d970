#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace verbalink::gateway {

// Tells the language of a text with CLD2, choosing only among the languages given (three
// letters): a source the gateway could not translate from is no use.
namespace LanguageDetector {

// The language, or empty when none of the given ones is among CLD2's best guesses.
QByteArray detect(const QString& text, const QList<QByteArray>& candidates);

} // namespace LanguageDetector

} // namespace verbalink::gateway
