#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <gloox/discohandler.h>

namespace gloox {
class Disco;
}

namespace verbalink::xmpp {

// Which contacts' clients take corrections of the last message: each online resource is asked
// for its features (service discovery) when it comes online.
class CorrectionSupport : public gloox::DiscoHandler {
public:
    explicit CorrectionSupport(gloox::Disco& disco) : m_disco(disco) {}

    void resourceOnline(const QString& fullJid);
    void resourceOffline(const QString& fullJid);
    // Some online resource of the bare JID said it does.
    bool supports(const QString& bareJid) const;

    void handleDiscoInfo(const gloox::JID& from, const gloox::Disco::Info& info,
                         int context) override;
    void handleDiscoItems(const gloox::JID&, const gloox::Disco::Items&, int) override {}
    void handleDiscoError(const gloox::JID&, const gloox::Error*, int) override {}

private:
    gloox::Disco& m_disco;
    QSet<QString> m_asked;
    // Full JIDs that said yes.
    QSet<QString> m_correcting;
};

} // namespace verbalink::xmpp
