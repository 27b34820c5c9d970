#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "FakeSkypeTransport.h"
#include "QtPrinters.h"
#include "messages/TranslationChatLink.h"
#include "skype/SkypeConnection.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

using namespace Qt::StringLiterals;

class AllOn final : public MessageFeatures {
public:
    bool translationEnabled() const override { return true; }
    bool spellCheckEnabled() const override { return false; }
    bool encryptionEnabled() const override { return true; }
    bool incomingTranslationEnabled() const override { return true; }
    bool speechEnabled() const override { return false; }
    int avatarSize() const override { return 0; }
    bool robotUsersExist() const override { return false; }
    bool filterExcludes(const QString&) const override { return false; }
};

class PlainCipher final : public MessageCipher {
public:
    QByteArray encrypt(const QByteArray& plain) override { return plain; }
};

TEST(TranslationFlowChatLink, PassesTheLinksStateThrough)
{
    test::FakeSkypeTransport transport;
    test::FakeClock clock;
    test::FakeMessageBox boxes;
    SkypeConnection link(transport, clock, boxes);
    TranslationChatLink chat(link);

    QStringList logged;
    link.handlers().onLog.set([&](const QString& line) { logged.append(line); });
    chat.log(u"Translate Begin"_s);
    EXPECT_EQ(logged, QStringList{u"Translate Begin"_s});

    EXPECT_TRUE(chat.uiLanguage().isEmpty());
    link.session().replaceUiLanguage("pt-BR");
    EXPECT_EQ(chat.uiLanguage(), QByteArray("pt-BR"));

    // Encryption counts only with a cipher to do it, as the replacement itself decides.
    EXPECT_FALSE(chat.encryptionOn());
    link.services().features.set(std::make_shared<AllOn>());
    EXPECT_FALSE(chat.encryptionOn());
    link.services().cipher.set(std::make_shared<PlainCipher>());
    EXPECT_TRUE(chat.encryptionOn());

    // A message the link does not track cannot be replaced.
    EXPECT_FALSE(chat.replaceMessageBody(7, u"x"_s));
    EXPECT_EQ(chat.partnerLanguage(u"bob"_s), QByteArray("en"));
}

} // namespace
} // namespace verbalink
