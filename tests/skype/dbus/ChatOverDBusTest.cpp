// Chat messages and contacts end to end: the real link over a private bus against the
// simulator playing the chat client.

#include "EventWait.h"
#include "FakeMessageBox.h"
#include "PrivateBus.h"
#include "SimProcess.h"
#include "platform/Clock.h"
#include "skype/SkypeConnection.h"
#include "skype/dbus/DBusSkypeTransport.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace verbalink;
using verbalink::testing::PrivateBus;
using verbalink::testing::SimProcess;
using verbalink::testing::waitUntil;

namespace {

class SwitchedOn final : public MessageFeatures {
public:
    bool translationEnabled() const override { return true; }
    bool spellCheckEnabled() const override { return false; }
    bool encryptionEnabled() const override { return false; }
    bool incomingTranslationEnabled() const override { return true; }
    bool speechEnabled() const override { return false; }
    int avatarSize() const override { return 0; }
    bool robotUsersExist() const override { return false; }
    bool filterExcludes(const QString&) const override { return false; }
};

// Takes each job and replaces the body, as the outgoing translation will.
class ReplacingRunner final : public OutgoingJobRunner {
public:
    explicit ReplacingRunner(SkypeConnection& link) : m_link(link) {}
    void run(const OutgoingJob& job) override
    {
        {
            QMutexLocker lock(&m_mutex);
            m_jobs.append(job);
        }
        m_link.replaceMessageBody(job.id, job.body + QStringLiteral("\r\n(de) Hallo, Welt"));
    }
    QList<OutgoingJob> jobs() const
    {
        QMutexLocker lock(&m_mutex);
        return m_jobs;
    }

private:
    SkypeConnection& m_link;
    mutable QMutex m_mutex;
    QList<OutgoingJob> m_jobs;
};

class RecordingHandler final : public IncomingMessageHandler {
public:
    void handle(const QString& text, const QString& partner) override
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append({text, partner});
    }
    QList<QPair<QString, QString>> calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

private:
    mutable QMutex m_mutex;
    QList<QPair<QString, QString>> m_calls;
};

QStringList lines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

bool anyLine(const QString& path, const std::function<bool(const QString&)>& match)
{
    const QStringList all = lines(path);
    return std::any_of(all.begin(), all.end(), match);
}

} // namespace

TEST(ChatOverDBus, MessagesContactsPostingAndAvatars)
{
    PrivateBus bus;
    QString error;
    ASSERT_TRUE(bus.start(error)) << qPrintable(error);
    QTemporaryDir dir;
    const QString messages = dir.filePath(QStringLiteral("messages.log"));
    SimProcess sim(bus.address());
    const QString commands = dir.filePath(QStringLiteral("commands.log"));
    ASSERT_TRUE(sim.start({QStringLiteral("--messages"), messages, QStringLiteral("--log"),
                           commands, QStringLiteral("--handle"), QStringLiteral("alice")},
                          error))
        << qPrintable(error);
    sim.directive(QStringLiteral("user bob de Bob Builder"));
    sim.directive(QStringLiteral("user carol fr Carol Smith"));

    DBusSkypeTransport transport(bus.connect());
    SystemClock clock;
    test::FakeMessageBox boxes;
    SkypeConnection link(transport, clock, boxes);
    auto runner = std::make_shared<ReplacingRunner>(link);
    auto incoming = std::make_shared<RecordingHandler>();
    link.services().features.set(std::make_shared<SwitchedOn>());
    link.services().outgoingRunner.set(runner);
    link.services().incomingTranslation.set(incoming);
    ASSERT_TRUE(link.start());
    ASSERT_TRUE(waitUntil([&] { return link.session().currentUserHandle() == "alice"; }));

    // The user types to bob: a job with body, partner and id, and the body replaced in the chat.
    sim.directive(QStringLiteral("type bob Hello, world"));
    ASSERT_TRUE(waitUntil([&] { return !runner->jobs().isEmpty(); }));
    const OutgoingJob job = runner->jobs().first();
    EXPECT_EQ(job.body, QStringLiteral("Hello, world"));
    EXPECT_EQ(job.partner, QStringLiteral("bob"));
    EXPECT_GT(job.id, 0);
    const QString replaced =
        u"BODY " + QString::number(job.id) + QStringLiteral(" Hello, world\\r\\n(de) Hallo, Welt");
    EXPECT_TRUE(waitUntil([&] { return lines(messages).contains(replaced); }))
        << qPrintable(lines(messages).join(u'\n'));

    // carol writes: the incoming entry hands it to incoming translation with her as partner.
    sim.directive(QStringLiteral("receive carol Bonjour, Alice"));
    ASSERT_TRUE(waitUntil([&] { return !incoming->calls().isEmpty(); }));
    EXPECT_EQ(incoming->calls().first(),
              qMakePair(QStringLiteral("Bonjour, Alice"), QStringLiteral("carol")));

    // A refresh, run off the main thread as it must be, yields names and languages. Its waits
    // are bounded, so on a loaded machine a detail may come too late for one: refresh again.
    const auto refresh = [&] {
        std::atomic<bool> refreshed = false;
        std::atomic<bool> done = false;
        std::thread worker([&] {
            refreshed = link.refreshContacts();
            done = true;
        });
        waitUntil([&] { return done.load(); });
        worker.join();
        return refreshed.load();
    };
    ASSERT_TRUE(refresh());
    for (int attempt = 0;
         attempt < 5 &&
         link.contacts().languageOf(QStringLiteral("bob")).value_or(QByteArray()).isEmpty();
         ++attempt)
        ASSERT_TRUE(refresh());
    EXPECT_EQ(link.displayName(QStringLiteral("bob")), QStringLiteral("Bob Builder"));
    EXPECT_EQ(link.handleOf(QStringLiteral("Carol Smith")), QStringLiteral("carol"));
    EXPECT_EQ(link.partnerLanguage(job.partner), "de");

    // Posting to carol ends with the text in the one-to-one chat with her (whoever opened it), and
    // the post is not queued as a job.
    ASSERT_TRUE(
        link.postMessageTo(QStringLiteral("Carol Smith"), QStringLiteral("Greetings!"), true));
    EXPECT_TRUE(waitUntil([&] {
        return anyLine(messages, [](const QString& line) {
            return line.startsWith(u"NEW ") &&
                   (line.contains(u" posted #alice/$carol;") ||
                    line.contains(u" posted #carol/$alice;")) &&
                   line.endsWith(u" alice Greetings!");
        });
    })) << qPrintable(lines(messages).join(u'\n') + u"\n--\n" + lines(commands).join(u'\n'));
    waitUntil([] { return false; }, 500);
    EXPECT_EQ(runner->jobs().size(), 1);

    // Avatars are written into the folder, any old picture replaced.
    const QString avatars = dir.filePath(QStringLiteral("Verbalink Avatars"));
    QDir().mkpath(avatars);
    {
        QFile old(avatars + u"/bob.jpg");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("stale");
    }
    link.refreshAvatars(avatars);
    for (const char* handle : {"bob", "carol"}) {
        const QString path = avatars + u'/' + QString::fromLatin1(handle) + u".jpg";
        EXPECT_TRUE(waitUntil([&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) && file.read(3) == QByteArray("\xFF\xD8\xFF");
        })) << handle;
    }
    link.stop();
}
