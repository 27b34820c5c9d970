#pragma once

#include <QString>
#include <QStringList>

namespace verbalink {

// Cuts a text into pieces of at most maxLength characters, after a sentence end where there is
// one, else after a space, so that speech can be stopped between pieces. The pieces joined give
// the text back; a surrogate pair is never split.
QStringList speechPieces(const QString& text, qsizetype maxLength);

} // namespace verbalink
