#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "QtPrinters.h"
#include "ServiceAnswers.h"
#include "TranslationFlowFakeChat.h"
#include "TranslationTestService.h"
#include "messages/OutgoingOptions.h"
#include "messages/OutgoingTranslation.h"
#include "translate/engines/EngineDispatcher.h"
#include "translate/filter/TranslationFilter.h"
#include "translate/languages/LanguageSelection.h"
#include "translate/languages/LanguageTables.h"
#include "translate/net/ServiceConnections.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;
using test::TranslationTestService;
using Route = TranslationTestService::Route;

constexpr int GoogleSourceEnglish = 32782;
constexpr int GoogleTargetGerman = 32831;
constexpr int GoogleTargetEnglish = 32825;
constexpr int GoogleTargetEsperanto = 33385;
constexpr qint32 MessageId = 42;

const QStringList Translated = {u"Translate Begin"_s, u"Translate End(with send)"_s};
const QStringList Unchanged = {u"Translate Begin"_s, u"Translate End"_s};
const QStringList BeginOnly = {u"Translate Begin"_s};

class NoCheckMarks final : public LanguageCheckMarks {
public:
    void setChecked(int, bool) override {}
};

// Corrects one word, as a user would in the dialog before choosing "Send".
class CorrectingSpellCheck final : public OutgoingSpellCheck {
public:
    QString check(const QString& text) override
    {
        ++calls;
        return QString(text).replace(u"Helo"_s, u"Hello"_s);
    }
    int calls = 0;
};

class OutgoingTranslationFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_service.listening());
        for (const Service service : {Service::Google, Service::Yahoo, Service::Bing,
                                      Service::Babylon, Service::SysTran, Service::Promt})
            m_connections.setUp(service, m_service.hostPort());
        m_languages.select(LanguageMenu::GoogleSource, GoogleSourceEnglish);
        m_languages.select(LanguageMenu::GoogleTarget, GoogleTargetGerman);
    }

    void send(const QString& body) { m_flow.run({body, u"anna"_s, MessageId}); }

    // The one replacement of the message, or null when it was left alone.
    std::optional<QString> replaced() const
    {
        const auto all = m_chat.replacements();
        EXPECT_LE(all.size(), 1);
        if (all.isEmpty())
            return std::nullopt;
        EXPECT_EQ(all.first().id, MessageId);
        return all.first().text;
    }

    void selectCode(LanguageMenu menu, QByteArrayView code)
    {
        const LanguageEntry* entry = LanguageTables::table(menu).byCode(code);
        ASSERT_NE(entry, nullptr) << code.toByteArray().constData();
        m_languages.select(menu, entry->commandId);
    }

    TranslationTestService m_service;
    test::FakeMessageBox m_boxes;
    ServiceConnections m_connections{m_boxes};
    test::FakeClock m_clock;
    test::FakeTranslationChat m_chat;
    EngineDispatcher m_engines{m_connections,
                               {m_service.hostPort(),
                                "translate.example",
                                m_service.hostPort(),
                                m_service.hostPort(),
                                m_service.hostPort(),
                                m_service.hostPort(),
                                m_service.hostPort(),
                                {},
                                {}},
                               m_clock};
    NoCheckMarks m_marks;
    LanguageSelection m_languages{m_marks};
    OutgoingOptions m_options;
    TranslationFilter m_rules;
    OutgoingTranslation m_flow{{m_chat, m_chat, m_rules, m_engines, m_languages, m_options}};
};

TEST_F(OutgoingTranslationFlow, LaysOutTheTranslationAsTheOptionsSay)
{
    // The stand-in answers "[de] Hello" with the transliteration "hello".
    struct Case {
        const char* name;
        bool flags;
        bool transliteration;
        bool hideOriginal;
        int target;
        QString body;
    };
    const Case cases[] = {
        {"flags", true, false, false, GoogleTargetGerman, u"Hello\r\n( (flag:de)  [de] Hello )"_s},
        {"plain", false, false, false, GoogleTargetGerman, u"Hello\r\n( [de] Hello )"_s},
        {"transliteration", true, true, false, GoogleTargetGerman,
         u"Hello\r\n( Translit: hello )\r\n( (flag:de)  [de] Hello )"_s},
        {"hidden original", true, true, true, GoogleTargetGerman, u"[de] Hello"_s},
        {"no flag for Esperanto", true, false, false, GoogleTargetEsperanto,
         u"Hello\r\n( [eo] Hello )"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FakeTranslationChat chat;
        OutgoingTranslation flow({chat, chat, m_rules, m_engines, m_languages, m_options});
        m_languages.select(LanguageMenu::GoogleTarget, c.target);
        m_options.setShowFlags(c.flags);
        m_options.setShowTransliteration(c.transliteration);
        m_options.setHideOriginal(c.hideOriginal);

        flow.run({u"Hello"_s, u"anna"_s, MessageId});

        ASSERT_EQ(chat.replacements().size(), 1);
        EXPECT_EQ(chat.replacements().first().id, MessageId);
        EXPECT_EQ(chat.replacements().first().text, c.body);
        EXPECT_EQ(chat.logLines(), Translated);
    }
}

TEST_F(OutgoingTranslationFlow, TranslationEqualToTheTypedTextLeavesTheMessageUnlessEncrypted)
{
    const auto same =
        TranslationTestService::reply(test::ServiceAnswers::googleSentences({{u"Hello"_s, u""_s}}));
    m_service.queue(Route::Google, same);
    send(u"Hello"_s);
    EXPECT_EQ(replaced(), std::nullopt);
    EXPECT_EQ(m_chat.logLines(), Unchanged);

    // Encrypted, the placeholder must be replaced all the same.
    test::FakeTranslationChat encrypted;
    encrypted.setEncryption(true);
    OutgoingTranslation flow({encrypted, encrypted, m_rules, m_engines, m_languages, m_options});
    m_service.queue(Route::Google, same);
    flow.run({u"Hello"_s, u"anna"_s, MessageId});
    ASSERT_EQ(encrypted.replacements().size(), 1);
    EXPECT_EQ(encrypted.replacements().first().text, u"Hello\r\n( Hello )"_s);
    EXPECT_EQ(encrypted.logLines(), Translated);
}

TEST_F(OutgoingTranslationFlow, FailedCallKeepsTheTypedTextAndSendsItEncryptedWhenOn)
{
    for (const bool encryption : {false, true}) {
        SCOPED_TRACE(encryption);
        test::FakeTranslationChat chat;
        chat.setEncryption(encryption);
        OutgoingTranslation flow({chat, chat, m_rules, m_engines, m_languages, m_options});
        // Both the request and its retry go unanswered.
        m_service.queue(Route::Google, TranslationTestService::drop());
        m_service.queue(Route::Google, TranslationTestService::drop());

        flow.run({u"Hello"_s, u"anna"_s, MessageId});

        EXPECT_EQ(chat.logLines(), Unchanged);
        if (encryption) {
            ASSERT_EQ(chat.replacements().size(), 1);
            EXPECT_EQ(chat.replacements().first().text, u"Hello"_s);
        } else {
            EXPECT_TRUE(chat.replacements().isEmpty());
        }
    }
}

TEST_F(OutgoingTranslationFlow, SameSourceAndTargetMakesNoRequestAndLogsNoEnd)
{
    m_languages.select(LanguageMenu::GoogleTarget, GoogleTargetEnglish);
    send(u"Hello"_s);
    EXPECT_EQ(replaced(), std::nullopt);
    EXPECT_EQ(m_chat.logLines(), BeginOnly);

    m_chat.setEncryption(true);
    send(u"Hello"_s);
    EXPECT_EQ(replaced(), u"Hello"_s);
    EXPECT_FALSE(m_service.waitForRequests(1, 200));
}

TEST_F(OutgoingTranslationFlow, DisabledTranslationTouchesTheMessageOnlyWhenEncrypted)
{
    m_options.setTranslationEnabled(false);
    send(u"Hello"_s);
    EXPECT_EQ(replaced(), std::nullopt);
    EXPECT_EQ(m_chat.logLines(), BeginOnly);

    m_chat.setEncryption(true);
    send(u"Hello"_s);
    EXPECT_EQ(replaced(), u"Hello"_s);
    EXPECT_FALSE(m_service.waitForRequests(1, 200));
}

TEST_F(OutgoingTranslationFlow, SpellCorrectionIsSentWhetherOrNotItIsTranslated)
{
    auto spellCheck = std::make_shared<CorrectingSpellCheck>();
    m_flow.setSpellCheck(spellCheck);

    // Switched off: the checker is not asked.
    send(u"Helo"_s);
    EXPECT_EQ(spellCheck->calls, 0);
    EXPECT_EQ(m_chat.replacements().last().text, u"Helo\r\n( [de] Helo )"_s);

    m_options.setSpellCheckEnabled(true);
    send(u"Helo"_s);
    EXPECT_EQ(spellCheck->calls, 1);
    EXPECT_EQ(m_chat.replacements().last().text, u"Hello\r\n( [de] Hello )"_s);

    // Without translation, and with a failed one, the correction still replaces the typed text.
    m_options.setTranslationEnabled(false);
    send(u"Helo"_s);
    EXPECT_EQ(m_chat.replacements().last().text, u"Hello"_s);
    m_options.setTranslationEnabled(true);
    m_service.queue(Route::Google, TranslationTestService::drop());
    m_service.queue(Route::Google, TranslationTestService::drop());
    send(u"Helo"_s);
    EXPECT_EQ(m_chat.replacements().last().text, u"Hello"_s);

    // A correctly spelt message is left alone when not translated.
    m_options.setTranslationEnabled(false);
    const qsizetype before = m_chat.replacements().size();
    send(u"Hello"_s);
    EXPECT_EQ(m_chat.replacements().size(), before);
}

TEST_F(OutgoingTranslationFlow, EachEngineGetsItsOwnMenusFromOneSnapshot)
{
    selectCode(LanguageMenu::Yahoo, "en_fr");
    selectCode(LanguageMenu::BingSource, "en");
    selectCode(LanguageMenu::BingTarget, "de");
    selectCode(LanguageMenu::BabylonSource, "0");
    selectCode(LanguageMenu::BabylonTarget, "6");
    selectCode(LanguageMenu::SysTran, "en_de");
    selectCode(LanguageMenu::PromtSource, "e");
    selectCode(LanguageMenu::PromtTarget, "g");
    m_options.setShowFlags(true);
    m_options.setShowTransliteration(true);
    struct Case {
        int translator;
        QByteArray requestPart;
        QString body;
    };
    const Case cases[] = {
        {1, "&sl=en&tl=de", u"Hi\r\n( Translit: hi )\r\n( (flag:de)  [de] Hi )"_s},
        {2, "&lp=en_fr", u"Hi\r\n( (flag:fr)  [en_fr] Hi )"_s},
        {3, "Cookie: from=en; to=de;", u"Hi\r\n( (flag:de)  [de] Hi )"_s},
        {4, "&langpair=0%7C6", u"Hi\r\n( (flag:de)  [6] Hi )"_s},
        {5, "lp=en_de", u"Hi\r\n( (flag:de)  [en_de] Hi )"_s},
        {6, "&direction=eg", u"Hi\r\n( (flag:de)  [eg] Hi )"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translator);
        test::FakeTranslationChat chat;
        OutgoingTranslation flow({chat, chat, m_rules, m_engines, m_languages, m_options});
        m_languages.setTranslator(c.translator);
        const qsizetype before = m_service.requests().size();

        flow.run({u"Hi"_s, u"anna"_s, MessageId});

        ASSERT_EQ(chat.replacements().size(), 1);
        EXPECT_EQ(chat.replacements().first().text, c.body);
        // SysTran fetches a cookie first.
        ASSERT_TRUE(m_service.waitForRequests(before + (c.translator == 5 ? 2 : 1)));
        const auto requests = m_service.requests();
        EXPECT_TRUE(requests.last().bytes.contains(c.requestPart)) << requests.last().bytes.data();
    }
}

TEST_F(OutgoingTranslationFlow, EmptyYahooResultStillReplacesTheBody)
{
    m_languages.setTranslator(2);
    m_service.queue(Route::Yahoo,
                    TranslationTestService::reply(test::ServiceAnswers::yahooResult(u""_s)));
    send(u"Hello"_s);
    EXPECT_EQ(replaced(), u"Hello\r\n(  )"_s);
    EXPECT_EQ(m_chat.logLines(), Translated);
}

} // namespace
} // namespace verbalink
