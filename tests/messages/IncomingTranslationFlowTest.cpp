#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "QtPrinters.h"
#include "ServiceAnswers.h"
#include "TranslationFlowFakeChat.h"
#include "TranslationTestService.h"
#include "messages/IncomingOptions.h"
#include "messages/IncomingTranslation.h"
#include "translate/languages/LanguageSelection.h"
#include "translate/net/ServiceConnections.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;
using test::TranslationTestService;
using Route = TranslationTestService::Route;

constexpr int IncomingAutoDetect = 33343;
constexpr int IncomingGerman = 33279;

class NoCheckMarks final : public LanguageCheckMarks {
public:
    void setChecked(int, bool) override {}
};

struct ListLine {
    QString sender;
    QString text;
};

class IncomingTranslationFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_service.listening());
        m_languages.select(LanguageMenu::Incoming, IncomingGerman);
        m_chat.setName(u"bob"_s, u"Bob"_s);
    }

    // Runs the messages and waits for their threads.
    void receive(const QString& text, const QString& partner = u"bob"_s)
    {
        m_flow.handle(text, partner);
        m_flow.waitForThreads();
    }

    QList<ListLine> listed() const
    {
        std::lock_guard lock(m_listMutex);
        return m_list;
    }

    // The target language each request asked for.
    QStringList requestedTargets() const
    {
        QStringList targets;
        for (const auto& request : m_service.requests()) {
            const QByteArray& bytes = request.bytes;
            const qsizetype at = bytes.indexOf("&tl=") + 4;
            targets.append(QString::fromLatin1(bytes.mid(at, bytes.indexOf(' ', at) - at)));
        }
        return targets;
    }

    TranslationTestService m_service;
    test::FakeMessageBox m_boxes;
    ServiceConnections m_connections{m_boxes};
    test::FakeClock m_clock;
    test::FakeTranslationChat m_chat;
    NoCheckMarks m_marks;
    LanguageSelection m_languages{m_marks};
    IncomingOptions m_options;
    mutable std::mutex m_listMutex;
    QList<ListLine> m_list;
    IncomingTranslation m_flow{{m_chat, m_connections, m_languages, m_options, m_boxes, m_clock},
                               m_service.hostPort(),
                               "translate.example",
                               [this](const QString& sender, const QString& text) {
                                   std::lock_guard lock(m_listMutex);
                                   m_list.append({sender, text});
                               }};
};

TEST_F(IncomingTranslationFlow, PostsIntoTheChatByNameWhenTranslatingInChat)
{
    m_options.setTranslateInChat(true);
    receive(u"Hello"_s);
    ASSERT_TRUE(m_service.waitForRequests(1));

    const auto posts = m_chat.posts();
    ASSERT_EQ(posts.size(), 1);
    EXPECT_EQ(posts[0].name, u"bob"_s);
    EXPECT_EQ(posts[0].text, u"[Bob] [de] Hello"_s);
    EXPECT_FALSE(posts[0].onlyKnown);
    EXPECT_TRUE(listed().isEmpty());

    ASSERT_EQ(m_service.requests().size(), 1);
    const QByteArray request = m_service.requests().first().bytes;
    EXPECT_TRUE(request.startsWith("GET /translate_a/t?client=o&text=Hello&sl=auto&tl=de HTTP/1.0"))
        << request.constData();
    EXPECT_TRUE(request.contains("\r\nHost: translate.example\r\n"));
}

TEST_F(IncomingTranslationFlow, AddsToTheListOtherwiseAndNamesUnknownSendersByHandle)
{
    receive(u"Hello"_s);
    receive(u"Hi"_s, u"carol"_s);

    const auto lines = listed();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].sender, u"Bob"_s);
    EXPECT_EQ(lines[0].text, u"[de] Hello"_s);
    EXPECT_EQ(lines[1].sender, u"carol"_s);
    EXPECT_EQ(lines[1].text, u"[de] Hi"_s);
    // Only the unknown sender makes the contact list refresh.
    EXPECT_EQ(m_chat.refreshes(), 1);
    EXPECT_TRUE(m_chat.posts().isEmpty());
}

TEST_F(IncomingTranslationFlow, ShowsNothingForGroupChatsUnchangedTextOrNoAnswer)
{
    m_options.setTranslateInChat(true);
    receive(u"Hello"_s, u""_s);
    receive(u"Hello"_s, u"b"_s);
    EXPECT_FALSE(m_service.waitForRequests(1, 200));

    m_service.queue(Route::Google, TranslationTestService::reply(
                                       test::ServiceAnswers::googleSentences({{u"Hallo"_s, {}}})));
    receive(u"Hallo"_s);
    // No answer to the request nor to its retry.
    m_service.queue(Route::Google, TranslationTestService::drop());
    m_service.queue(Route::Google, TranslationTestService::drop());
    receive(u"Hello"_s);
    m_service.queue(Route::Google, TranslationTestService::reply("HTTP/1.0 200 OK\r\n\r\n{}"));
    receive(u"Hello"_s);

    EXPECT_TRUE(m_chat.posts().isEmpty());
    EXPECT_TRUE(listed().isEmpty());
    // The service records a request when its connection has closed, which may be just after
    // the client has its answer.
    EXPECT_TRUE(m_service.waitForRequests(4));
    EXPECT_EQ(m_service.requests().size(), 4);
}

TEST_F(IncomingTranslationFlow, AutoDetectTranslatesIntoTheClientsInterfaceLanguage)
{
    m_languages.select(LanguageMenu::Incoming, IncomingAutoDetect);
    for (const QByteArray ui : {"pt-BR", "zh-Hans", "zh-Hant", "zh", "ru"}) {
        m_chat.setUiLanguage(ui);
        receive(u"Hello"_s);
    }
    ASSERT_TRUE(m_service.waitForRequests(5));
    EXPECT_EQ(requestedTargets(),
              (QStringList{u"pt"_s, u"zh-CN"_s, u"zh-TW"_s, u"zh-CN"_s, u"ru"_s}));

    // Before the client has reported its language there is nothing to translate into.
    m_chat.setUiLanguage({});
    receive(u"Hello"_s);
    EXPECT_FALSE(m_service.waitForRequests(6, 200));
}

TEST_F(IncomingTranslationFlow, MessagesArrivingTogetherAreAllShown)
{
    m_options.setTranslateInChat(true);
    const QStringList texts = {u"one"_s, u"two"_s, u"three"_s, u"four"_s};
    for (const QString& text : texts)
        m_flow.handle(text, u"bob"_s);
    m_flow.waitForThreads();

    QStringList posted;
    for (const auto& post : m_chat.posts())
        posted.append(post.text);
    posted.sort();
    EXPECT_EQ(posted, (QStringList{u"[Bob] [de] four"_s, u"[Bob] [de] one"_s, u"[Bob] [de] three"_s,
                                   u"[Bob] [de] two"_s}));
}

TEST(IncomingTranslationLifetime, DestroyingWaitsForRunningThreads)
{
    TranslationTestService service;
    test::FakeMessageBox boxes;
    ServiceConnections connections{boxes};
    test::FakeClock clock;
    test::FakeTranslationChat chat;
    NoCheckMarks marks;
    LanguageSelection languages{marks};
    languages.select(LanguageMenu::Incoming, IncomingGerman);
    IncomingOptions options;
    options.setTranslateInChat(true);
    {
        IncomingTranslation flow({chat, connections, languages, options, boxes, clock},
                                 service.hostPort(), "translate.example", {});
        for (int i = 0; i < 8; ++i)
            flow.handle(u"Hello"_s, u"bob"_s);
    }
    // No thread outlives the object: nothing is posted after it is gone.
    const qsizetype posted = chat.posts().size();
    EXPECT_LE(posted, 8);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(chat.posts().size(), posted);
}

} // namespace
} // namespace verbalink
