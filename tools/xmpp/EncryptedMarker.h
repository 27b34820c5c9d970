#pragma once

#include <QString>

namespace verbalink::xmpp {

// The program marks an encrypted body with a first line that ends in CR LF, and the other copy
// looks for exactly that. XML turns every CR LF into LF on the way (servers pass bodies on
// without the CR), so a received body gets the marker's line end back.
class EncryptedMarker {
public:
    static QString restoreLineEnd(const QString& body);
};

} // namespace verbalink::xmpp
