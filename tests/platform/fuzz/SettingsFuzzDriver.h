#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::fuzz {

// Reads the input as a settings file: a file that is accepted must be written back in a form
// that reads the same. Then builds a document from the input's pieces (any UTF-16, lone
// surrogates, controls, backslashes, "=", "[" and "#" included) and checks that writing and
// reading it gives every value back exactly.
QString driveSettings(QByteArrayView input);

} // namespace verbalink::fuzz
