#include "skype/OutgoingMessageEntry.h"

#include "skype/MessageServices.h"
#include "skype/OutgoingJobQueue.h"

namespace verbalink {

OutgoingMessageEntry::OutgoingMessageEntry(const MessageServices& services, OutgoingJobQueue& queue)
    : m_services(services), m_queue(queue)
{}

bool OutgoingMessageEntry::handle(const ChatMessageRecord& record)
{
    if (!record.outgoing)
        return false;
    const std::shared_ptr<MessageFeatures> features = m_services.features.get();
    if (!features)
        return false;
    const bool anyFeature = features->translationEnabled() || features->spellCheckEnabled() ||
                            m_services.encryptionOn();
    if (!anyFeature || features->filterExcludes(record.partner))
        return false;
    m_queue.push({record.body, record.partner, record.id});
    return true;
}

} // namespace verbalink
