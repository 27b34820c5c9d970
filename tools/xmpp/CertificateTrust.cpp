#include "CertificateTrust.h"

namespace verbalink::xmpp {

CertificateTrust::Verdict CertificateTrust::decide(bool systemTrusted, const QString& fingerprint,
                                                   const QString& pinned)
{
    if (systemTrusted)
        return Verdict::Trusted;
    const QString seen = normalized(fingerprint);
    if (!seen.isEmpty() && seen == normalized(pinned))
        return Verdict::Pinned;
    return Verdict::Refused;
}

QString CertificateTrust::normalized(const QString& fingerprint)
{
    QString hex;
    for (const QChar c : fingerprint) {
        if (c == u':' || c == u' ')
            continue;
        const QChar lower = c.toLower();
        if (!((lower >= u'0' && lower <= u'9') || (lower >= u'a' && lower <= u'f')))
            return {};
        hex += lower;
    }
    return hex.size() == 64 ? hex : QString();
}

QString CertificateTrust::readable(const QString& fingerprint)
{
    const QString hex = normalized(fingerprint);
    QString text;
    for (qsizetype at = 0; at < hex.size(); at += 2)
        text += (at ? u":" : u"") + hex.mid(at, 2);
    return text;
}

} // namespace verbalink::xmpp
