#include "EncryptedMarker.h"

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

QString EncryptedMarker::restoreLineEnd(const QString& body)
{
    static const QString marker = u"[Verbalink Encrypted Message]"_s;
    QString restored = body;
    for (qsizetype at = restored.indexOf(marker); at >= 0; at = restored.indexOf(marker, at)) {
        at += marker.size();
        if (at < restored.size() && restored.at(at) == u'\n')
            restored.insert(at, u'\r');
    }
    return restored;
}

} // namespace verbalink::xmpp
