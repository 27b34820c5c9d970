// Received chat messages read aloud: the link on a fake transport, the speech menu and the real
// engine rendering into memory.

#include "MessageFakes.h"
#include "SkypeFixture.h"
#include "UtteranceRecorder.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"
#include "langtools/SpeechMenu.h"

#include <memory>

namespace verbalink::test {
namespace {

const SkypeEndpoint Client = QStringLiteral(":1.42");

class SpeechLinkTest : public SkypeFixture {
protected:
    SpeechLinkTest()
    {
        connection.link().enter();
        attachQuietly(Client);
        receive(Client, QStringLiteral("CURRENTUSERHANDLE alice"));
        connection.services().features.set(features);
        connection.services().speaker.set(speechMenu);
    }
    ~SpeechLinkTest() override { connection.services().speaker.set(nullptr); }

    void receiveMessage(const QString& body)
    {
        const QString prefix = QStringLiteral("CHATMESSAGE %1 ").arg(++m_id);
        receive(Client, prefix % u"STATUS RECEIVED");
        receive(Client, prefix % u"CHATNAME #bob/$alice;1");
        receive(Client, prefix % u"FROM_HANDLE bob");
        receive(Client, prefix % u"BODY " % body);
    }

    // The first English voice in the menu.
    int englishVoiceId() const
    {
        for (int id : menu.groupIds(QStringLiteral("speech-voice"))) {
            if (menu.find(id)->text() == u"English (Great Britain)")
                return id;
        }
        return 0;
    }

    std::shared_ptr<FakeFeatures> features = std::make_shared<FakeFeatures>();
    UtteranceRecorder recorder;
    EspeakSpeech engine{EspeakSpeech::Output::Memory, recorder.sinks()};
    MenuModel menu{MenuResource::readTrayMenu().root};
    std::shared_ptr<SpeechMenu> speechMenu =
        std::make_shared<SpeechMenu>(SpeechMenu::Links{engine,
                                                       menu,
                                                       boxes,
                                                       {},
                                                       [this](bool on) {
                                                           features->speech = on;
                                                       }},
                                     QStringLiteral("Help"), QStringLiteral("0"), 0);

private:
    qint32 m_id = 0;
};

TEST_F(SpeechLinkTest, ReceivedMessagesAreSpokenAsReceivedWhileTranslationAndAVoiceAreOn)
{
    ASSERT_TRUE(engine.available());
    const int english = englishVoiceId();
    ASSERT_NE(english, 0);
    ASSERT_TRUE(speechMenu->selectVoiceCommand(english));

    // Translation off: nothing is spoken, and nothing failed.
    features->translation = false;
    receiveMessage(QStringLiteral("not now"));
    engine.waitUntilIdle();
    EXPECT_TRUE(recorder.utterances().isEmpty());

    // Markup, phoneme brackets and the encryption marker are text like any other.
    features->translation = true;
    const QString body =
        QStringLiteral("Hi <b>Alice</b> & [[h@'loU]] [Verbalink Encrypted Message]\r\nQUJD");
    receiveMessage(body);
    receiveMessage(QStringLiteral("second"));
    engine.waitUntilIdle();
    const QList<EspeakSpeech::Utterance> said = recorder.utterances();
    ASSERT_EQ(recorder.texts(), QStringList({body, QStringLiteral("second")}));
    EXPECT_GT(said[0].samples.size(), said[1].samples.size());
    EXPECT_GT(said[1].samples.size(), 0u);
    EXPECT_FALSE(log.contains(QStringLiteral("Speak failed!")));
    EXPECT_TRUE(recorder.log().isEmpty());

    // "Disabled" ends it.
    speechMenu->disable();
    receiveMessage(QStringLiteral("quiet"));
    engine.waitUntilIdle();
    EXPECT_EQ(recorder.utterances().size(), 2);
}

} // namespace
} // namespace verbalink::test
