#include "PartnerEvents.h"

using namespace Qt::StringLiterals;

namespace verbalink::testing {

PartnerMessage PartnerMessage::fromJson(const QJsonObject& event)
{
    return {event[u"from"_s].toString(),     event[u"to"_s].toString(),
            event[u"type"_s].toString(),     event[u"id"_s].toString(),
            event[u"body"_s].toString(),     event[u"lang"_s].toString(),
            event[u"replaces"_s].toString(), event[u"receiptRequested"_s].toBool(),
            event[u"delayed"_s].toBool()};
}

PartnerReceipt PartnerReceipt::fromJson(const QJsonObject& event)
{
    return {event[u"from"_s].toString(), event[u"id"_s].toString()};
}

PartnerOccupant PartnerOccupant::fromJson(const QJsonObject& event)
{
    return {event[u"room"_s].toString(), event[u"nick"_s].toString(),
            event[u"jid"_s].toString(),  event[u"affiliation"_s].toString(),
            event[u"joined"_s].toBool(), event[u"own"_s].toBool()};
}

} // namespace verbalink::testing
