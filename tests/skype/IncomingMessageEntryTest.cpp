#include "MessageFakes.h"
#include "SkypeFixture.h"

#include <memory>

namespace verbalink::test {
namespace {

const SkypeEndpoint Client = QStringLiteral(":1.42");
const QString Marker = QStringLiteral("[Verbalink Encrypted Message]\r\n");

class IncomingMessageEntryTest : public SkypeFixture {
protected:
    IncomingMessageEntryTest()
    {
        connection.link().enter();
        attachQuietly(Client);
        receive(Client, QStringLiteral("CURRENTUSERHANDLE alice"));
        MessageServices& services = connection.services();
        services.features.set(features);
        services.robot.set(robot);
        services.popup.set(popup);
        services.decryption.set(decryption);
        services.incomingTranslation.set(translation);
        services.speaker.set(speaker);
        log.clear();
    }

    void receiveMessage(const QString& author, const QString& body)
    {
        const QString prefix = QStringLiteral("CHATMESSAGE %1 ").arg(++m_id);
        receive(Client, prefix % u"STATUS RECEIVED");
        receive(Client, prefix % u"CHATNAME #" % author % u"/$alice;1");
        receive(Client, prefix % u"FROM_HANDLE " % author);
        receive(Client, prefix % u"BODY " % body);
    }

    std::shared_ptr<FakeFeatures> features = std::make_shared<FakeFeatures>();
    std::shared_ptr<RecordingHandler> robot = std::make_shared<RecordingHandler>();
    std::shared_ptr<RecordingHandler> popup = std::make_shared<RecordingHandler>();
    std::shared_ptr<RecordingHandler> decryption = std::make_shared<RecordingHandler>();
    std::shared_ptr<RecordingHandler> translation = std::make_shared<RecordingHandler>();
    std::shared_ptr<FakeSpeaker> speaker = std::make_shared<FakeSpeaker>();

private:
    qint32 m_id = 0;
};

TEST_F(IncomingMessageEntryTest, EachStepRunsOnlyUnderItsCondition)
{
    receiveMessage(QStringLiteral("bob"), QStringLiteral("hi"));
    EXPECT_TRUE(robot->calls.isEmpty());
    EXPECT_TRUE(popup->calls.isEmpty());
    EXPECT_TRUE(decryption->calls.isEmpty());
    EXPECT_TRUE(translation->calls.isEmpty());
    EXPECT_TRUE(speaker->spoken.isEmpty());
    EXPECT_TRUE(log.contains(QStringLiteral("hi")));

    features->robotUsers = true;
    features->avatar = 48;
    features->incomingTranslation = true;
    receiveMessage(QStringLiteral("bob"), QStringLiteral("hello, you"));
    ASSERT_EQ(robot->calls.size(), 1);
    EXPECT_EQ(robot->calls[0].text, QStringLiteral("hello, you"));
    EXPECT_EQ(robot->calls[0].partner, QStringLiteral("bob"));
    EXPECT_EQ(popup->calls.size(), 1);
    ASSERT_EQ(translation->calls.size(), 1);
    EXPECT_EQ(translation->calls[0].partner, QStringLiteral("bob"));
    EXPECT_TRUE(speaker->spoken.isEmpty()) << "speech needs translation switched on too";

    // The filter is asked about the author.
    {
        std::lock_guard lock(features->mutex);
        features->excluded.insert(QStringLiteral("carol"));
    }
    receiveMessage(QStringLiteral("carol"), QStringLiteral("hallo"));
    EXPECT_EQ(translation->calls.size(), 1);
    EXPECT_EQ(robot->calls.size(), 2);

    features->translation = true;
    features->speech = true;
    receiveMessage(QStringLiteral("bob"), QStringLiteral("speak me"));
    EXPECT_EQ(speaker->spoken, QStringList{QStringLiteral("speak me")});
    EXPECT_FALSE(log.contains(QStringLiteral("Speak failed!")));
}

TEST_F(IncomingMessageEntryTest, MarkedMessageGoesToDecryptionNotTranslationButIsSpoken)
{
    features->incomingTranslation = true;
    features->translation = true;
    features->speech = true;
    const QString body = u"see this: " % Marker % u"QUJD\r\nrest";
    receiveMessage(QStringLiteral("bob"), body);
    ASSERT_EQ(decryption->calls.size(), 1);
    EXPECT_EQ(decryption->calls[0].text, QStringLiteral("QUJD\r\nrest"));
    EXPECT_EQ(decryption->calls[0].partner, QStringLiteral("bob"));
    EXPECT_TRUE(translation->calls.isEmpty());
    EXPECT_EQ(speaker->spoken, QStringList{body});

    // Without its line break the marker is ordinary text.
    receiveMessage(QStringLiteral("bob"), QStringLiteral("[Verbalink Encrypted Message] no"));
    EXPECT_EQ(decryption->calls.size(), 1);
    EXPECT_EQ(translation->calls.size(), 1);
}

TEST_F(IncomingMessageEntryTest, FailedSpeechIsLoggedAndMissingFeaturesAreSkipped)
{
    features->translation = true;
    features->speech = true;
    speaker->succeeds = false;
    receiveMessage(QStringLiteral("bob"), QStringLiteral("hi"));
    EXPECT_TRUE(log.contains(QStringLiteral("Speak failed!")));

    // Steps whose feature is not plugged in are passed over without harm.
    MessageServices& services = connection.services();
    services.robot.set(nullptr);
    services.decryption.set(nullptr);
    services.speaker.set(nullptr);
    features->robotUsers = true;
    log.clear();
    receiveMessage(QStringLiteral("bob"), u"x" % Marker % u"y");
    EXPECT_FALSE(log.contains(QStringLiteral("Speak failed!")));
    EXPECT_TRUE(translation->calls.isEmpty());
}

} // namespace
} // namespace verbalink::test
