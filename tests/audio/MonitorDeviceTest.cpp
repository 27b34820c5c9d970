#include "LoopbackWait.h"
#include "audio/CallAudioServer.h"
#include "audio/MonitorOutput.h"
#include "audio/MusicDecoder.h"
#include "audio/VoiceChanger.h"
#include "audio/VoiceChangerControls.h"
#include "translate/net/TcpSocket.h"

#include <QtGlobal>
#include <chrono>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace std::chrono_literals;
using test::eventually;
using test::Loopback;

// ALSA's null device plays into nothing, standing in for a sound card.
void useNullDevice()
{
    qputenv("ALSA_CONFIG_PATH", ALSA_CONFIGS "/null.conf");
}

TEST(MonitorOutputOnDevice, PlaysWhatIsWrittenAndClosesOnceDrained)
{
    useNullDevice();
    MonitorOutput monitor;
    monitor.open(15999.6);
    ASSERT_TRUE(eventually([&] { return monitor.isOpen(); })) << monitor.error().toStdString();
    const QByteArray block(640, '\1');
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(monitor.write(block));
    EXPECT_FALSE(monitor.write(QByteArray(3, '\0')));
    EXPECT_TRUE(eventually([&] { return monitor.queuedSamples() == 0; }));
    monitor.close();
    EXPECT_FALSE(monitor.isOpen());
    EXPECT_FALSE(monitor.write(block));
    // A second monitor opens the device again after the first let it go.
    MonitorOutput again;
    again.open(16000.0);
    EXPECT_TRUE(eventually([&] { return again.isOpen(); }));
}

// A call whose changed voice the user hears: the client's microphone copy and the partner's
// input on the two servers, and the voice changer stepped by the test as the engine would.
class HeardCall {
public:
    explicit HeardCall(std::chrono::milliseconds linger) : monitor(linger)
    {
        useNullDevice();
        controls.setMusicOn(false);
        controls.setHearVoice(true);
        capture.start();
        input.start();
        mic.connectTo(Loopback, capture.port());
        connectPartner();
    }
    bool connectPartner()
    {
        return partner.connectTo(Loopback, input.port()) &&
               eventually([&] { return input.connections().size() == 1; });
    }
    // A block from the microphone, through the step that processes it.
    bool speak()
    {
        return mic.send(QByteArray(640, '\1')) && eventually([&] { return changer.step(); });
    }

    CallAudioServer capture{CallAudioServer::Role::Capture, 0};
    CallAudioServer input{CallAudioServer::Role::Input, 0};
    VoiceChangerControls controls;
    MusicDecoder music;
    MonitorOutput monitor;
    VoiceChanger changer{{capture, input, [] { return false; }, controls, music, monitor}};
    TcpSocket mic;
    TcpSocket partner;
};

TEST(MonitorOutputOnDevice, ACallKeepsTheDeviceWhileItsInputIsRoutedAgain)
{
    HeardCall call(10min);
    ASSERT_TRUE(call.speak());
    ASSERT_TRUE(eventually([&] { return call.monitor.isOpen(); }));
    for (int choice = 0; choice < 3; ++choice) {
        // A preset chosen: the client drops the input connection and connects anew, and the
        // engine passes in between.
        call.partner.close();
        ASSERT_TRUE(eventually([&] { return call.input.connections().empty(); }));
        call.changer.step();
        EXPECT_TRUE(call.monitor.isOpen()) << choice;
        ASSERT_TRUE(call.connectPartner());
        ASSERT_TRUE(call.speak());
        EXPECT_TRUE(call.monitor.isOpen()) << choice;
    }
}

TEST(MonitorOutputOnDevice, TheDeviceGoesOnceTheCallHasEnded)
{
    HeardCall call(0ms);
    ASSERT_TRUE(call.speak());
    ASSERT_TRUE(eventually([&] { return call.monitor.isOpen(); }));
    call.mic.close();
    call.partner.close();
    ASSERT_TRUE(eventually([&] { return call.capture.connections().empty(); }));
    call.changer.step();
    EXPECT_TRUE(eventually([&] { return !call.monitor.isOpen(); }));
}

} // namespace
} // namespace verbalink
