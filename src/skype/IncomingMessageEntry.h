#pragma once

#include "skype/ChatMessageRecord.h"
#include "skype/HandlerSlot.h"

#include <QString>

namespace verbalink {

struct MessageServices;

// Hands a received message to the features, in this order and each on its own: the robot,
// the popup, decryption or else incoming translation, and speech. Each feature runs its work
// on a thread of its own, so this returns at once.
class IncomingMessageEntry {
public:
    using LogSlot = HandlerSlot<void(const QString&)>;

    // The marker line in front of an enciphered body.
    static constexpr QStringView EncryptedMarker = u"[Verbalink Encrypted Message]\r\n";

    IncomingMessageEntry(const MessageServices& services, const LogSlot& log);

    void handle(const ChatMessageRecord& record);

private:
    void decryptOrTranslate(const ChatMessageRecord& record);
    void speak(const QString& body);

    const MessageServices& m_services;
    const LogSlot& m_log;
};

} // namespace verbalink
