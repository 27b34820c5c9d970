#pragma once

#include "skype/ChatMessageRecord.h"

namespace verbalink {

class OutgoingJobQueue;
struct MessageServices;

// Decides whether a completed message of the user's goes to the outgoing flow, and queues it.
class OutgoingMessageEntry {
public:
    OutgoingMessageEntry(const MessageServices& services, OutgoingJobQueue& queue);

    // Queues a job for a message being sent while translation, spell check or encryption is
    // on and the filter does not exclude the partner; anything else is left alone. True when
    // a job was queued.
    bool handle(const ChatMessageRecord& record);

private:
    const MessageServices& m_services;
    OutgoingJobQueue& m_queue;
};

} // namespace verbalink
