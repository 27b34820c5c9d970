#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "FakeSkypeTransport.h"
#include "extras/DecryptionHandler.h"
#include "extras/HandleCipher.h"
#include "extras/MessageList.h"
#include "skype/MessageFeatures.h"
#include "skype/SkypeConnection.h"

#include <gtest/gtest.h>

using namespace verbalink;
using namespace verbalink::test;

namespace {

const SkypeEndpoint Client = QStringLiteral(":1.42");

struct EncryptionOnly final : MessageFeatures {
    bool translationEnabled() const override { return true; }
    bool spellCheckEnabled() const override { return false; }
    bool encryptionEnabled() const override { return true; }
    bool incomingTranslationEnabled() const override { return false; }
    bool speechEnabled() const override { return false; }
    int avatarSize() const override { return 0; }
    bool robotUsersExist() const override { return false; }
    bool filterExcludes(const QString&) const override { return false; }
};

// One copy of the program on a fake link, with the cipher and the decryption plugged in as
// the app does.
struct Copy {
    explicit Copy(const QString& ownHandle)
    {
        connection.handlers().onCurrentUserHandle.set(
            [this](const QByteArray& handle) { cipher->setOwnHandle(handle); });
        connection.services().features.set(std::make_shared<EncryptionOnly>());
        connection.services().cipher.set(cipher);
        connection.services().decryption.set(decryption);
        connection.link().enter();
        transport.deliverAttach(Client, AttachSuccess);
        line(u"CURRENTUSERHANDLE " + ownHandle);
        transport.clear();
    }

    void line(const QString& text) { transport.deliverLine(Client, text.toUtf8()); }
    void message(qint32 id, const QString& status, const QString& from, const QString& body)
    {
        const QString prefix = QStringLiteral("CHATMESSAGE %1 ").arg(id);
        line(prefix % u"STATUS " % status);
        line(prefix % u"CHATNAME #alice/$bob;1");
        line(prefix % u"FROM_HANDLE " % from);
        line(prefix % u"BODY " % body);
    }

    FakeSkypeTransport transport;
    FakeClock clock;
    FakeMessageBox boxes;
    SkypeConnection connection{transport, clock, boxes};
    std::shared_ptr<HandleCipher> cipher = std::make_shared<HandleCipher>();
    MessageList decrypted;
    // Contacts are unknown on the fake link: the handle is the sender name.
    std::shared_ptr<DecryptionHandler> decryption =
        std::make_shared<DecryptionHandler>(decrypted, DecryptionHandler::Contacts{}, nullptr);
};

} // namespace

TEST(EncryptionLink, SecondCopyRecoversWhatTheFirstSent)
{
    Copy alice(QStringLiteral("alice"));
    alice.message(5, QStringLiteral("SENDING"), QStringLiteral("alice"), QStringLiteral("hi"));
    alice.transport.clear();
    ASSERT_TRUE(alice.connection.replaceMessageBody(5, QStringLiteral("hi")));
    const QStringList sent = alice.transport.commands(Client);
    ASSERT_EQ(sent.size(), 1);
    const QString prefix =
        QStringLiteral("SET CHATMESSAGE 5 BODY [Verbalink Encrypted Message]\r\n");
    ASSERT_TRUE(sent[0].startsWith(prefix)) << sent[0].toStdString();
    const QString cipherText = sent[0].mid(prefix.size());
    EXPECT_EQ(cipherText.size(), 4);
    EXPECT_TRUE(cipherText.endsWith(u'='));

    // The body arrives with text around the marker, as a chat client may show it.
    Copy bob(QStringLiteral("bob"));
    const QString body = QStringLiteral("quoted: [Verbalink Encrypted Message]\r\n") + cipherText;
    bob.message(7, QStringLiteral("RECEIVED"), QStringLiteral("alice"), body);
    bob.decryption->waitForAll();
    const QStringList lines = bob.decrypted.lines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(u" , alice] hi")) << lines[0].toStdString();
}

TEST(EncryptionLink, WithoutAnOwnHandleOnlyTheMarkerIsSent)
{
    Copy nobody(QString{});
    nobody.message(5, QStringLiteral("SENDING"), QStringLiteral("alice"), QStringLiteral("hi"));
    nobody.transport.clear();
    ASSERT_TRUE(nobody.connection.replaceMessageBody(5, QStringLiteral("hi")));
    EXPECT_EQ(
        nobody.transport.commands(Client),
        QStringList{QStringLiteral("SET CHATMESSAGE 5 BODY [Verbalink Encrypted Message]\r\n")});
}
