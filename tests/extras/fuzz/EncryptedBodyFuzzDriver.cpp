#include "EncryptedBodyFuzzDriver.h"

#include "MessageFakes.h"
#include "extras/HandleCipher.h"
#include "skype/IncomingMessageEntry.h"
#include "skype/MessageServices.h"
#include "skype/SkypeChannel.h"

#include <memory>

namespace verbalink::fuzz {

namespace {

QString fail(const char* what)
{
    return QString::fromLatin1(what);
}

struct Delivery {
    QList<test::RecordingHandler::Call> decrypted;
    QList<test::RecordingHandler::Call> translated;
};

// What the incoming entry hands to decryption and to translation for one received body.
Delivery deliver(const QString& body, const QString& sender)
{
    MessageServices services;
    auto features = std::make_shared<test::FakeFeatures>();
    features->incomingTranslation = true;
    auto decryption = std::make_shared<test::RecordingHandler>();
    auto translation = std::make_shared<test::RecordingHandler>();
    services.features.set(features);
    services.decryption.set(decryption);
    services.incomingTranslation.set(translation);
    IncomingMessageEntry::LogSlot log;
    IncomingMessageEntry entry(services, log);
    ChatMessageRecord record;
    record.body = body;
    record.partner = sender;
    record.author = sender;
    record.received = true;
    entry.handle(record);
    return {decryption->calls, translation->calls};
}

QString checkReceived(const QString& body, const QString& sender)
{
    const Delivery delivery = deliver(body, sender);
    const qsizetype marker = body.indexOf(IncomingMessageEntry::EncryptedMarker);
    if (marker < 0)
        return delivery.decrypted.isEmpty() && delivery.translated.size() == 1
                   ? QString()
                   : fail("a plain body must go to translation only");
    if (!delivery.translated.isEmpty() || delivery.decrypted.size() != 1)
        return fail("an encrypted body must go to decryption only");
    const QString cipherText = delivery.decrypted.first().text;
    if (cipherText != body.mid(marker + IncomingMessageEntry::EncryptedMarker.size()))
        return fail("the cipher text must start right after the marker line");
    const QString plain = HandleCipher::decrypt(cipherText, sender);
    if (plain.contains(QChar(u'\0')) || plain.size() > cipherText.size())
        return fail("deciphered text out of bounds");
    return {};
}

QString checkRoundTrip(const QString& text, const QString& sender, const QString& around)
{
    HandleCipher cipher;
    cipher.setOwnHandle(sender.toUtf8());
    if (!cipher.hasKey())
        return {};
    // The sender's copy puts the marker line before the Base64; the receiver finds it anywhere.
    const QString body = around + IncomingMessageEntry::EncryptedMarker +
                         QString::fromLatin1(cipher.encrypt(text.toUtf8())) + u"\r\n" + around;
    const Delivery delivery = deliver(body, sender);
    if (delivery.decrypted.size() != 1)
        return fail("an enciphered body was not recognised");
    if (HandleCipher::decrypt(delivery.decrypted.first().text, sender) != text)
        return fail("the text did not come back");
    return {};
}

} // namespace

QString driveEncryptedBody(QByteArrayView input)
{
    if (input.isEmpty())
        return {};
    const qsizetype handleLength =
        qMin<qsizetype>(static_cast<unsigned char>(input[0]) % 40, input.size() - 1);
    const QString sender = QString::fromUtf8(input.sliced(1, handleLength));
    // Received text ends at its first NUL and malformed UTF-8 becomes U+FFFD, as on the link.
    const QString body = SkypeChannel::decodeLine(input.sliced(1 + handleLength).toByteArray());
    const QString received = checkReceived(body, sender);
    if (!received.isEmpty())
        return received;
    return checkRoundTrip(body, sender, body.left(8));
}

} // namespace verbalink::fuzz
