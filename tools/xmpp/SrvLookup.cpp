#include "SrvLookup.h"

#include <QByteArray>
#include <arpa/inet.h>
#include <arpa/nameser.h>
#include <netinet/in.h>
#include <resolv.h>
#include <vector>

namespace verbalink::xmpp {

namespace {

// Sends every query to the one server VERBALINK_XMPP_DNS names.
void pointAtNamedServer(res_state state)
{
    const QByteArray named = qgetenv("VERBALINK_XMPP_DNS");
    const qsizetype colon = named.lastIndexOf(':');
    if (colon < 0)
        return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    bool isNumber = false;
    const int port = named.mid(colon + 1).toInt(&isNumber);
    if (!isNumber || port <= 0 || port > 65535 ||
        inet_pton(AF_INET, named.left(colon).constData(), &address.sin_addr) != 1)
        return;
    address.sin_port = htons(quint16(port));
    state->nsaddr_list[0] = address;
    state->nscount = 1;
}

QList<SrvTargets::Record> readAnswer(const unsigned char* answer, int size)
{
    QList<SrvTargets::Record> records;
    ns_msg message;
    if (ns_initparse(answer, size, &message) != 0)
        return records;
    for (int i = 0; i < ns_msg_count(message, ns_s_an); ++i) {
        ns_rr record;
        if (ns_parserr(&message, ns_s_an, i, &record) != 0 || ns_rr_type(record) != ns_t_srv ||
            ns_rr_rdlen(record) < 7)
            continue;
        const unsigned char* data = ns_rr_rdata(record);
        char target[NS_MAXDNAME];
        if (dn_expand(ns_msg_base(message), ns_msg_end(message), data + 6, target, sizeof target) <
            0)
            continue;
        records.append({int(ns_get16(data)), int(ns_get16(data + 2)), QString::fromLatin1(target),
                        int(ns_get16(data + 4))});
    }
    return records;
}

} // namespace

QList<SrvTargets::Record> SrvLookup::lookup(const QString& domain)
{
    struct __res_state state {};
    if (res_ninit(&state) != 0)
        return {};
    pointAtNamedServer(&state);
    const QByteArray name = "_xmpp-client._tcp." + domain.toUtf8();
    std::vector<unsigned char> answer(NS_MAXMSG);
    const int size =
        res_nquery(&state, name.constData(), ns_c_in, ns_t_srv, answer.data(), int(answer.size()));
    QList<SrvTargets::Record> records;
    if (size > 0)
        records = readAnswer(answer.data(), size);
    res_nclose(&state);
    return records;
}

} // namespace verbalink::xmpp
