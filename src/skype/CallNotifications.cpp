#include "skype/CallNotifications.h"

#include "skype/CallState.h"
#include "skype/SkypeChannel.h"
#include "skype/SkypeHandlers.h"
#include "skype/SkypeText.h"

#include <QStringList>

namespace verbalink {

CallNotifications::CallNotifications(SkypeChannel& channel, CallState& call,
                                     const SkypeHandlers& handlers)
    : m_channel(channel), m_call(call), m_handlers(handlers)
{}

void CallNotifications::handle(QStringView argument, const SkypeEndpoint& from)
{
    const QList<QStringView> parts = skypetext::tokens(argument);
    if (parts.size() < 3)
        return;
    const QString callId = parts[0].toString();
    if (parts[1] == u"PARTNER_DISPNAME") {
        QStringList words;
        for (qsizetype i = 2; i < parts.size(); ++i)
            words.append(parts[i].toString());
        const QString name = words.join(u' ');
        m_call.setPartnerName(name);
        m_handlers.onCallPartnerName(name);
    } else if (parts[1] == u"DURATION") {
        m_call.updateDuration(callId, parts[2].toString(), from);
    } else if (parts[1] == u"STATUS" && parts[2] == u"FINISHED") {
        m_call.finish();
        m_handlers.onCallFinished(callId);
    } else if (parts[1] == u"STATUS" && parts[2] == u"INPROGRESS") {
        callInProgress(callId, from);
    }
}

void CallNotifications::callInProgress(const QString& callId, const SkypeEndpoint& from)
{
    m_call.begin(callId, from);
    m_channel.sendCommand(u"GET CALL " % callId % u" PARTNER_DISPNAME", from);
    if (m_handlers.isCallAutoRecordOn())
        m_handlers.onRedirectCallCapture(callId, from);
    if (m_handlers.isCallVoiceChanged())
        m_handlers.onRedirectCallInput(callId, from);
}

} // namespace verbalink
