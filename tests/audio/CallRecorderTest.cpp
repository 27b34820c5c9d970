#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "LoopbackWait.h"
#include "app/Settings.h"
#include "audio/CallAudio.h"
#include "audio/CaptureMix.h"
#include "audio/RecorderForm.h"
#include "audio/RecordingNames.h"
#include "audio/RecordingWriter.h"
#include "platform/MemoryRegistryStore.h"
#include "platform/ShellPort.h"
#include "skype/CallState.h"
#include "translate/net/TcpSocket.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <list>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

using test::eventually;
using test::Loopback;

QByteArray pcm(const QList<qint16>& pattern, int repeats)
{
    QByteArray bytes;
    for (int r = 0; r < repeats; ++r) {
        for (qint16 sample : pattern) {
            char le[2];
            qToLittleEndian(sample, le);
            bytes.append(le, 2);
        }
    }
    return bytes;
}

quint32 numberAt(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

struct OpenedUrls final : ShellPort {
    bool openUrl(const QUrl& url) override
    {
        urls << url;
        return true;
    }
    QList<QUrl> urls;
};

// The machinery on free loopback ports, commands collected, a call in progress with "x<y>z".
class CallRecorderTest : public ::testing::Test {
protected:
    CallRecorderTest()
    {
        clock.setEpochSeconds(1'796'000'000);
        call.begin(u"1234"_s, {});
        call.setPartnerName(u"x<y>z"_s);
    }

    bool start() { return audio.start(documents.path()); }
    QString folder() const { return documents.path() + u"/Skype Voice Records/"_s; }
    QStringList recordings() const { return QDir(folder()).entryList({u"*.wav"_s}, QDir::Files); }
    // The name a recording of the call gets when it is done now.
    QString finalName() const
    {
        return u"REC - x.y.z"_s +
               QDateTime::fromSecsSinceEpoch(clock.epochSeconds())
                   .toString(u" ( dd-MM-yyyy HH'h' mm'm' ss's')"_s) +
               u".wav"_s;
    }
    QString temporaryFile() const
    {
        return folder() + QString::number(clock.epochSeconds()) + u".wav";
    }

    // Connects one client per stream and sends each its bytes once all are accepted.
    void stream(const QList<QByteArray>& streams)
    {
        for (qsizetype i = 0; i < streams.size(); ++i) {
            clients.emplace_back();
            ASSERT_TRUE(clients.back().connectTo(Loopback, audio.captureServer().port()));
            ASSERT_TRUE(eventually(
                [&] { return qsizetype(audio.captureServer().connections().size()) == i + 1; }));
        }
        auto client = clients.begin();
        for (const QByteArray& bytes : streams)
            ASSERT_TRUE((client++)->send(bytes));
    }
    bool allConsumed() const
    {
        for (const auto& connection : audio.captureServer().connections()) {
            if (connection->held() > 0)
                return false;
        }
        return true;
    }
    QStringList sent() const
    {
        std::lock_guard lock(mutex);
        return commands;
    }
    // A call whose voice goes through the voice changer to `partner` while it is recorded.
    void recordChangedVoice(TcpSocket& partner)
    {
        audio.voiceControls().setMusicOn(false);
        // Sent faster than it is spoken: none of it may be passed over as a backlog.
        audio.voiceControls().setBacklogLimit(CallAudioConnection::Capacity);
        ASSERT_TRUE(start());
        ASSERT_TRUE(partner.connectTo(Loopback, audio.inputServer().port()));
        ASSERT_TRUE(eventually([&] { return audio.inputServer().connections().size() == 1; }));
        audio.routeInput(u"1234"_s);
        audio.routeCapture(u"1234"_s, true);
        stream({QByteArray()});
    }
    // Pieces of odd sizes, so blocks end inside samples and between the two steps.
    void sendInPieces(const QByteArray& bytes)
    {
        for (qsizetype at = 0; at < bytes.size(); at += 997) {
            ASSERT_TRUE(clients.back().send(bytes.mid(at, 997)));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    static QByteArray hear(TcpSocket& partner, qsizetype bytes)
    {
        QByteArray heard;
        char buffer[4096];
        while (heard.size() < bytes && partner.waitReadable(5000) == 1) {
            const qsizetype n = partner.read(buffer, sizeof buffer);
            if (n <= 0)
                break;
            heard.append(buffer, n);
        }
        return heard;
    }

    QTemporaryDir documents;
    test::FakeClock clock;
    CallState call;
    mutable std::mutex mutex;
    QStringList commands;
    QStringList logged;
    CallAudio audio{{call, clock,
                     [this](const QByteArray& command) {
                         std::lock_guard lock(mutex);
                         commands << QString::fromUtf8(command);
                     },
                     [this](const QString& line) {
                         std::lock_guard lock(mutex);
                         logged << line;
                     }},
                    {0, 0}};
    std::list<TcpSocket> clients;
};

const QList<qint16> MicPattern{1000, -1000, 30000, 7};
const QList<qint16> OutputPattern{500, 20001, 30000, -3};
const QList<qint16> ThirdPattern{3, 3, 3, 3};

TEST_F(CallRecorderTest, RecordsTheMixOfEveryStreamAndNamesTheFileAfterThePartner)
{
    struct Case {
        const char* name;
        bool stereo;
        QList<QList<qint16>> inputs;
        QList<qint16> written;
    };
    const Case cases[] = {
        {"one stream as it came", false, {MicPattern}, MicPattern},
        {"two at 0.6 each, wrapping", false, {MicPattern, OutputPattern}, {900, 11400, -29536, 3}},
        {"three at 1.3/3 each",
         false,
         {MicPattern, OutputPattern, ThirdPattern},
         {650, 8235, 26001, 3}},
        {"stereo: microphone left, output right",
         true,
         {MicPattern, OutputPattern},
         {1000, 500, -1000, 20001, 30000, 30000, 7, -3}},
        {"stereo leaves a third stream out",
         true,
         {MicPattern, OutputPattern, ThirdPattern},
         {1000, 500, -1000, 20001, 30000, 30000, 7, -3}},
    };
    ASSERT_TRUE(start());
    constexpr int Repeats = 4000; // 16000 samples: one second per channel
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clock.advance(1000);
        audio.setStereo(c.stereo);
        audio.routeCapture(u"1234"_s, true);
        QList<QByteArray> streams;
        for (const QList<qint16>& input : c.inputs)
            streams << pcm(input, Repeats);
        stream(streams);
        ASSERT_TRUE(eventually([&] { return audio.recordedBytes() == 32000; }));
        EXPECT_TRUE(audio.isRecording());
        audio.routeCapture(u"1234"_s, false);
        ASSERT_TRUE(eventually([&] { return !audio.isRecording(); }));

        const QString name = finalName();
        ASSERT_EQ(recordings().join(u'|').toStdString(), name.toStdString());
        QFile file(folder() + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QByteArray samples = pcm(c.written, Repeats);
        const int channels = c.stereo ? 2 : 1;
        EXPECT_EQ(bytes.left(44), WavRecordingFile::header(channels, quint32(samples.size())));
        EXPECT_EQ(numberAt(bytes, 40), quint32(channels * 32000));
        EXPECT_TRUE(bytes.mid(44) == samples);
        file.remove();
        clients.clear();
        ASSERT_TRUE(eventually([&] { return audio.captureServer().connections().empty(); }));
    }
    EXPECT_EQ(
        sent().mid(0, 4),
        (QStringList{
            u"ALTER CALL 1234 SET_CAPTURE_MIC PORT=\"%1\""_s.arg(audio.captureServer().port()),
            u"ALTER CALL 1234 SET_OUTPUT PORT=\"%1\""_s.arg(audio.captureServer().port()),
            u"ALTER CALL 1234 SET_OUTPUT"_s, u"ALTER CALL 1234 SET_CAPTURE_MIC"_s}));
}

TEST_F(CallRecorderTest, NothingIsWrittenUntilEveryStreamHasAudio)
{
    ASSERT_TRUE(start());
    audio.routeCapture(u"1234"_s, true);
    stream({pcm(MicPattern, 100), QByteArray()});
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(audio.captureServer().connections().front()->held(), 800);
    EXPECT_FALSE(audio.isRecording());
    EXPECT_TRUE(recordings().isEmpty());

    // The client hangs up: the streams go, and with them the recording.
    clients.back().send(pcm(OutputPattern, 50));
    ASSERT_TRUE(eventually([&] { return audio.recordedBytes() == 400; }));
    clients.clear();
    ASSERT_TRUE(eventually([&] { return !audio.isRecording(); }));
    ASSERT_EQ(recordings().size(), 1);
    EXPECT_EQ(QFileInfo(folder() + recordings().front()).size(), 44 + 400);
}

TEST_F(CallRecorderTest, AFileThatCannotBeCreatedStillConsumesTheAudioAndEndsTheRouting)
{
    ASSERT_TRUE(start());
    ASSERT_TRUE(QDir(folder()).removeRecursively());
    QFile(documents.path() + u"/Skype Voice Records"_s).open(QIODevice::WriteOnly);
    audio.routeCapture(u"1234"_s, true);
    stream({pcm(MicPattern, 100)});
    ASSERT_TRUE(eventually([&] { return audio.isRecording() && allConsumed(); }));
    clients.clear();
    ASSERT_TRUE(eventually([&] { return !audio.isRecording(); }));
    std::lock_guard lock(mutex);
    ASSERT_FALSE(logged.isEmpty());
    EXPECT_TRUE(logged.front().startsWith(u"Cannot create the recording "_s));
}

QByteArray rampingVoice(int samples)
{
    QByteArray voice;
    for (int i = 0; i < samples / 3; ++i)
        voice += pcm({qint16(i), qint16(-i), qint16(i * 7)}, 1);
    return voice;
}

TEST_F(CallRecorderTest, VoiceChangerAndRecorderEachGetTheMicrophoneOnce)
{
    TcpSocket partner;
    recordChangedVoice(partner);
    const QByteArray mic = rampingVoice(9000);
    sendInPieces(mic);
    ASSERT_TRUE(eventually([&] { return audio.recordedBytes() == quint32(mic.size()); }));
    const QByteArray heard = hear(partner, mic.size());
    EXPECT_TRUE(heard == mic) << heard.size() << " of " << mic.size();
    audio.routeCapture(u"1234"_s, false);
    ASSERT_TRUE(eventually([&] { return !audio.isRecording(); }));
    ASSERT_EQ(recordings().size(), 1);
    QFile file(folder() + recordings().front());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().mid(44) == mic);
    const QStringList commands = sent();
    EXPECT_EQ(commands.first(),
              u"ALTER CALL 1234 SET_INPUT PORT=\"%1\""_s.arg(audio.inputServer().port()));
}

// A named pipe that nobody reads stands for a disk that does not answer: opening it for writing
// waits for a reader, and writing waits once the pipe is full.
TEST_F(CallRecorderTest, ADiskThatDoesNotAnswerHoldsUpNeitherTheVoiceNorTheRecording)
{
    TcpSocket partner;
    recordChangedVoice(partner);
    const QByteArray pipe = QFile::encodeName(temporaryFile());
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    const QByteArray mic = rampingVoice(16000);
    sendInPieces(mic);
    const QByteArray heard = hear(partner, mic.size());
    EXPECT_TRUE(heard == mic) << heard.size() << " of " << mic.size();
    EXPECT_TRUE(eventually([&] { return audio.recordedBytes() == quint32(mic.size()); }));

    // The disk answers as the program ends with the recording still running; what is in the
    // pipe is all there will be (the size header cannot be patched in a pipe).
    const int disk = ::open(pipe.constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(disk, 0);
    audio.stop();
    QByteArray written(2 * mic.size(), '\0');
    const qsizetype got = ::read(disk, written.data(), written.size());
    ::close(disk);
    ASSERT_EQ(got, 44 + mic.size());
    EXPECT_TRUE(written.mid(44, mic.size()) == mic);
    EXPECT_TRUE(QFileInfo::exists(folder() + finalName()));
}

TEST_F(CallRecorderTest, DeletingAllRecordsKeepsTheCallBeingRecorded)
{
    MemoryRegistryStore registry;
    test::FakeMessageBox boxes;
    OpenedUrls shell;
    RecorderForm form({audio, call, registry, boxes, shell});
    ASSERT_TRUE(start());
    ASSERT_TRUE(QFile(folder() + u"REC - earlier.wav"_s).open(QIODevice::WriteOnly));
    audio.routeCapture(u"1234"_s, true);
    stream({pcm(MicPattern, 100)});
    ASSERT_TRUE(eventually([&] { return QFileInfo::exists(temporaryFile()); }));
    boxes.setAnswer(true);
    EXPECT_EQ(form.deleteAllRecords(u"Sure?"_s), 1);

    ASSERT_TRUE(clients.back().send(pcm(MicPattern, 100)));
    ASSERT_TRUE(eventually([&] { return audio.recordedBytes() == 1600; }));
    audio.routeCapture(u"1234"_s, false);
    ASSERT_TRUE(eventually([&] { return !audio.isRecording(); }));
    EXPECT_EQ(recordings(), QStringList{finalName()});
    EXPECT_EQ(QFileInfo(folder() + finalName()).size(), 44 + 1600);
}

TEST_F(CallRecorderTest, RecordingsAreTheUsersAlone)
{
    const auto mode = [](const QString& path) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0u;
    };
    ASSERT_TRUE(start());
    EXPECT_EQ(mode(folder()), 0700u);
    audio.routeCapture(u"1234"_s, true);
    stream({pcm(MicPattern, 100)});
    ASSERT_TRUE(eventually([&] { return audio.recordedBytes() == 800; }));
    audio.routeCapture(u"1234"_s, false);
    ASSERT_TRUE(eventually([&] { return !audio.isRecording(); }));
    EXPECT_EQ(mode(folder() + finalName()), 0600u);

    // A folder that was there keeps the mode its user gave it.
    QTemporaryDir otherDocuments;
    const QString existing = otherDocuments.path() + u"/Skype Voice Records"_s;
    ASSERT_TRUE(QDir().mkdir(existing));
    ASSERT_EQ(::chmod(QFile::encodeName(existing).constData(), 0750), 0);
    CallAudio other{{call, clock, [](const QByteArray&) {}, {}}, {0, 0}};
    ASSERT_TRUE(other.start(otherDocuments.path()));
    EXPECT_EQ(mode(existing), 0750u);
}

TEST(RecordingWriter, BlocksBeyondWhatMayWaitAreDropped)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"1.wav"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    RecordingWriter writer({}, 1000);
    writer.open(path, 1);
    // The writer waits for the pipe's reader meanwhile.
    writer.append(QByteArray(600, 'a'));
    writer.append(QByteArray(600, 'b'));
    writer.append(QByteArray(300, 'c'));
    writer.finish(folder.filePath(u"done.wav"_s));
    EXPECT_EQ(writer.unfinished(), QStringList{path});
    const int disk = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(disk, 0);
    writer.waitUntilWritten();
    EXPECT_TRUE(writer.unfinished().isEmpty());
    QByteArray written(2000, '\0');
    written.resize(::read(disk, written.data(), written.size()));
    ::close(disk);
    EXPECT_TRUE(written.mid(44) == QByteArray(600, 'a') + QByteArray(300, 'c'));
}

TEST_F(CallRecorderTest, TheEngineSleepsUntilCallAudioArrives)
{
    ASSERT_TRUE(start());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(audio.engine().passes(), 0u);
    stream({pcm(MicPattern, 10)});
    ASSERT_TRUE(eventually([&] { return audio.engine().passes() > 0; }));
}

TEST_F(CallRecorderTest, TheDialogFollowsTheCallAndStoresItsOptions)
{
    MemoryRegistryStore registry;
    test::FakeMessageBox boxes;
    OpenedUrls shell;
    RecorderForm form({audio, call, registry, boxes, shell});
    ASSERT_TRUE(start());

    RecorderForm::View view = form.view();
    EXPECT_EQ(view.call, u"Voice call in progress ( x.y.z )");
    EXPECT_EQ(view.recording, u"Recording stopped.");
    EXPECT_EQ(view.button, u"Start recording");
    EXPECT_TRUE(view.buttonEnabled);
    EXPECT_TRUE(form.pressRecord());
    stream({QByteArray()});
    // 3.5 s of audio, in pieces that leave the buffer room.
    for (int piece = 0; piece < 7; ++piece) {
        ASSERT_TRUE(clients.back().send(pcm(MicPattern, 2000)));
        ASSERT_TRUE(
            eventually([&] { return audio.recordedBytes() == quint32(piece + 1) * 16000; }));
    }
    view = form.view();
    EXPECT_EQ(view.recording, u"Record duration - 3 second(s)");
    EXPECT_EQ(view.button, u"Stop recording");
    EXPECT_TRUE(form.pressRecord());
    ASSERT_TRUE(eventually([&] { return !audio.isRecording(); }));

    EXPECT_TRUE(form.done({true, true}));
    EXPECT_TRUE(audio.autoRecord() && audio.stereo());
    const QString key = QString::fromUtf16(SettingsKeyPath);
    for (const QString& name : {u"CallAutoRecord"_s, u"CallStereoRecord"_s})
        EXPECT_EQ(registry.readValue(RegistryRoot::CurrentUser, key, name).value_or(QString()),
                  u"1");

    EXPECT_TRUE(form.showRecordedCalls());
    EXPECT_EQ(shell.urls, QList<QUrl>{QUrl::fromLocalFile(folder())});
    boxes.setAnswer(false);
    EXPECT_EQ(form.deleteAllRecords(u"Sure?"_s), 0);
    EXPECT_EQ(recordings().size(), 1);
    boxes.setAnswer(true);
    EXPECT_EQ(form.deleteAllRecords(u"Sure?"_s), 1);
    EXPECT_TRUE(recordings().isEmpty());
    EXPECT_EQ(boxes.boxes().last().caption, u"Verbalink Voice Recorder");

    call.finish();
    view = form.view();
    EXPECT_EQ(view.call, u"No active voice call detected.");
    EXPECT_FALSE(view.buttonEnabled);
    EXPECT_FALSE(form.pressRecord());
}

TEST(RecorderNames, DurationsAndPartnerNames)
{
    const std::pair<int, const char*> durations[] = {
        {0, "0 second(s)"}, {7, "7 second(s)"}, {59, "59 second(s)"}, {60, "01:00"},
        {125, "02:05"},     {307, "05:07"},     {750, "12:30"},       {4500, "75:00"},
    };
    for (const auto& [seconds, text] : durations)
        EXPECT_EQ(RecorderForm::duration(seconds), QString::fromLatin1(text)) << seconds;

    const std::pair<const char*, const char*> names[] = {
        {"A/B:C", "A.B.C"},     {"x<y>z", "x.y.z"}, {"\\\\a**b??\"c|", "a.b.c"},
        {"Ann Lee", "Ann Lee"}, {"<>", ""},
    };
    for (const auto& [name, safe] : names)
        EXPECT_EQ(recordingnames::sanitizedPartner(QString::fromUtf8(name)),
                  QString::fromUtf8(safe));
}

} // namespace
} // namespace verbalink
