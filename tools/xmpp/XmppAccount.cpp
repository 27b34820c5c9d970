#include "XmppAccount.h"

#include <QHostAddress>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

namespace {

// "host:port", "[::1]:5222", "host".
std::pair<QString, QString> split(const QString& server)
{
    if (server.startsWith(u'[')) {
        const qsizetype close = server.indexOf(u']');
        if (close < 0)
            return {server, {}};
        const QString rest = server.mid(close + 1);
        return {server.mid(1, close - 1), rest.startsWith(u':') ? rest.mid(1) : rest};
    }
    const qsizetype colon = server.lastIndexOf(u':');
    if (colon < 0 || server.count(u':') > 1)
        return {server, {}};
    return {server.left(colon), server.mid(colon + 1)};
}

} // namespace

QString XmppAccount::host() const
{
    if (server.isEmpty())
        return jid.section(u'@', 1).section(u'/', 0, 0);
    return split(server).first;
}

int XmppAccount::port() const
{
    const QString text = split(server).second;
    if (text.isEmpty())
        return 5222;
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    return isNumber && value > 0 && value < 65536 ? value : 0;
}

QString XmppAccount::roomNick() const
{
    return nick.isEmpty() ? jid.section(u'@', 0, 0) : nick;
}

bool XmppAccount::serverIsLoopback() const
{
    const QString name = host();
    if (name.compare(u"localhost"_s, Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(name);
    return !address.isNull() && address.isLoopback();
}

QString XmppAccount::problem() const
{
    if (jid.isEmpty())
        return u"no JID given"_s;
    if (!jid.contains(u'@') || jid.startsWith(u'@') || jid.endsWith(u'@') || jid.contains(u'/'))
        return u"the JID must be a bare one: name@server"_s;
    if (host().isEmpty() || port() == 0)
        return u"the server must be host or host:port with a port from 1 to 65535"_s;
    if (allowPlain && !serverIsLoopback())
        return u"TLS can be turned off only for a server on this machine (loopback)"_s;
    return {};
}

} // namespace verbalink::xmpp
