#include "skype/IncomingMessageEntry.h"

#include "skype/MessageServices.h"

namespace verbalink {

namespace {

// Runs a feature's step when the feature is plugged in.
void pass(const std::shared_ptr<IncomingMessageHandler>& handler, const QString& text,
          const QString& partner)
{
    if (handler)
        handler->handle(text, partner);
}

} // namespace

IncomingMessageEntry::IncomingMessageEntry(const MessageServices& services, const LogSlot& log)
    : m_services(services), m_log(log)
{}

void IncomingMessageEntry::handle(const ChatMessageRecord& record)
{
    const std::shared_ptr<MessageFeatures> features = m_services.features.get();
    if (!features)
        return;
    if (features->robotUsersExist())
        pass(m_services.robot.get(), record.body, record.partner);
    if (features->avatarSize() > 0)
        pass(m_services.popup.get(), record.body, record.partner);
    decryptOrTranslate(record);
    if (features->translationEnabled() && features->speechEnabled())
        speak(record.body);
}

void IncomingMessageEntry::decryptOrTranslate(const ChatMessageRecord& record)
{
    const qsizetype marker = record.body.indexOf(EncryptedMarker);
    if (marker >= 0) {
        const QString cipherText = record.body.mid(marker + EncryptedMarker.size());
        pass(m_services.decryption.get(), cipherText, record.partner);
        return;
    }
    const std::shared_ptr<MessageFeatures> features = m_services.features.get();
    if (features && features->incomingTranslationEnabled() &&
        !features->filterExcludes(record.author))
        pass(m_services.incomingTranslation.get(), record.body, record.partner);
}

void IncomingMessageEntry::speak(const QString& body)
{
    // Without a speaker there is no speech object to ask.
    const std::shared_ptr<MessageSpeaker> speaker = m_services.speaker.get();
    if (speaker && !speaker->speak(body))
        m_log(QStringLiteral("Speak failed!"));
}

} // namespace verbalink
