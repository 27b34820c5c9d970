#pragma once

#include "XmppLink.h"

#include <QList>
#include <QSet>
#include <QString>

namespace verbalink::xmpp::test {

// The network side of the client's core in unit tests: keeps what was sent, numbers the
// stanzas "s1", "s2", ... and takes corrections from the JIDs the test names.
class FakeXmppLink : public XmppLink {
public:
    QString send(const OutgoingMessage& message) override
    {
        sent.append(message);
        return QStringLiteral("s") + QString::number(sent.size());
    }
    bool supportsCorrection(const QString& bareJid) const override
    {
        return correcting.contains(bareJid);
    }

    QList<OutgoingMessage> sent;
    QSet<QString> correcting;
};

} // namespace verbalink::xmpp::test
