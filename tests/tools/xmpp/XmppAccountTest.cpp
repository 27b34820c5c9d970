// The account and its trust: the command line, the settings file, the password file's mode,
// the server's certificate.
#include "AccountFile.h"
#include "CertificateTrust.h"
#include "ClientOptions.h"
#include "PasswordFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::xmpp;

namespace {

ClientOptions::Outcome parse(const QStringList& arguments, ClientOptions& options)
{
    QString text;
    return ClientOptions::parse(QStringList{u"verbalink-xmpp"_s} + arguments, options, text);
}

QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes,
                  QFile::Permissions permissions)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    file.setPermissions(permissions);
    return path;
}

const QString sha = u"00d70c2bf0e79640eb6b82151963d575fb80faaec1df7a453c88dbe840cc25d0"_s;

} // namespace

TEST(ClientOptionsTest, TheCommandLineIsCheckedBeforeAnythingStarts)
{
    using Outcome = ClientOptions::Outcome;
    const struct {
        QStringList arguments;
        Outcome outcome;
    } cases[] = {
        {{u"--help"_s}, Outcome::Help},
        {{u"--version"_s}, Outcome::Version},
        {{u"--frobnicate"_s}, Outcome::Bad},
        {{u"stray"_s}, Outcome::Bad},
        {{u"--hold-ms"_s, u"-1"_s}, Outcome::Bad},
        {{u"--hold-ms"_s, u"soon"_s}, Outcome::Bad},
        {{u"--trust-fingerprint"_s, u"abc"_s}, Outcome::Bad},
        {{u"--jid"_s, u"a@b"_s, u"--hold-ms"_s, u"0"_s}, Outcome::Run},
    };
    for (const auto& [arguments, outcome] : cases) {
        ClientOptions options;
        EXPECT_EQ(parse(arguments, options), outcome) << qPrintable(arguments.join(u' '));
    }

    ClientOptions options;
    ASSERT_EQ(parse({u"--jid"_s, u"alice@example.org"_s, u"--server"_s, u"[::1]:5299"_s,
                     u"--allow-plain"_s, u"--trust-fingerprint"_s,
                     CertificateTrust::readable(sha).toUpper(), u"--hold-ms"_s, u"1500"_s,
                     u"--room"_s, u"a@rooms"_s, u"--room"_s, u"b@rooms"_s},
                    options),
              Outcome::Run);
    EXPECT_EQ(options.account.host(), u"::1"_s);
    EXPECT_EQ(options.account.port(), 5299);
    EXPECT_TRUE(options.account.serverIsLoopback());
    EXPECT_EQ(options.account.trustedFingerprint, sha);
    EXPECT_EQ(options.holdMs, 1500);
    EXPECT_EQ(options.account.rooms, (QStringList{u"a@rooms"_s, u"b@rooms"_s}));
    EXPECT_EQ(options.account.roomNick(), u"alice"_s);
    EXPECT_TRUE(options.account.problem().isEmpty()) << qPrintable(options.account.problem());
}

TEST(XmppAccountTest, AnAccountThatCannotBeUsedSaysWhy)
{
    const auto account = [](const QString& jid, const QString& server = {}, bool plain = false) {
        XmppAccount made;
        made.jid = jid;
        made.server = server;
        made.allowPlain = plain;
        return made;
    };
    const struct {
        XmppAccount account;
        QString problem; // a word of the reason; empty when it can be used
    } cases[] = {
        {account({}), u"JID"_s},
        {account(u"alice"_s), u"bare"_s},
        {account(u"alice@example.org/phone"_s), u"bare"_s},
        {account(u"alice@example.org"_s, u"host:0"_s), u"port"_s},
        {account(u"alice@example.org"_s, u"host:99999"_s), u"port"_s},
        // Without TLS the password would cross the network in the clear.
        {account(u"alice@example.org"_s, {}, true), u"loopback"_s},
        {account(u"alice@example.org"_s, u"192.168.1.2:5222"_s, true), u"loopback"_s},
        {account(u"alice@example.org"_s, u"127.0.0.1:5222"_s, true), {}},
        {account(u"alice@localhost"_s, {}, true), {}},
        {account(u"alice@example.org"_s), {}},
    };
    for (const auto& [given, problem] : cases) {
        SCOPED_TRACE(qPrintable(given.jid + u' ' + given.server));
        if (problem.isEmpty())
            EXPECT_TRUE(given.problem().isEmpty()) << qPrintable(given.problem());
        else
            EXPECT_TRUE(given.problem().contains(problem)) << qPrintable(given.problem());
    }
}

TEST(AccountFileTest, TheAccountComesBackAsSavedAndOnlyTheUserReadsIt)
{
    QTemporaryDir home;
    const AccountFile file(home.filePath(u"Verbalink/xmpp.conf"_s));
    XmppAccount account;
    account.jid = u"alice@example.org"_s;
    account.server = u"chat.example.org:5223"_s;
    account.trustedFingerprint = sha;
    account.rooms = {u"a@rooms"_s, u"b@rooms"_s};
    account.nick = u"Al"_s;
    XmppAccount none;
    EXPECT_FALSE(file.load(none));
    QString error;
    ASSERT_TRUE(file.save(account, error)) << qPrintable(error);
    XmppAccount loaded;
    ASSERT_TRUE(file.load(loaded));
    EXPECT_EQ(loaded.jid, account.jid);
    EXPECT_EQ(loaded.server, account.server);
    EXPECT_EQ(loaded.trustedFingerprint, sha);
    EXPECT_EQ(loaded.rooms, account.rooms);
    EXPECT_EQ(loaded.nick, u"Al"_s);
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(file.path()).permissions() & others);
    EXPECT_FALSE(QFileInfo(QFileInfo(file.path()).path()).permissions() & others);
    QFile text(file.path());
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_FALSE(text.readAll().contains("password="));
}

TEST(PasswordFileTest, OnlyAFileOfItsOwnerAloneGivesThePassword)
{
    QTemporaryDir folder;
    const auto owner = QFile::ReadOwner | QFile::WriteOwner;
    const struct {
        QString name;
        QByteArray bytes;
        QFile::Permissions permissions;
        QString password; // empty: refused
    } cases[] = {
        {u"good"_s, "s3cret pass\nignored\n", owner, u"s3cret pass"_s},
        {u"crlf"_s, "s3cret\r\n", QFile::ReadOwner, u"s3cret"_s},
        {u"group"_s, "s3cret\n", owner | QFile::ReadGroup, {}},
        {u"world"_s, "s3cret\n", owner | QFile::ReadOther, {}},
        {u"empty"_s, "\n", owner, {}},
    };
    for (const auto& [name, bytes, permissions, expected] : cases) {
        SCOPED_TRACE(qPrintable(name));
        QString password;
        QString error;
        const bool read =
            PasswordFile::read(writeFile(folder, name, bytes, permissions), password, error);
        EXPECT_EQ(read, !expected.isEmpty()) << qPrintable(error);
        EXPECT_EQ(read ? password : QString(), expected);
        EXPECT_EQ(error.isEmpty(), read);
    }
    QString password;
    QString error;
    EXPECT_FALSE(PasswordFile::read(folder.filePath(u"missing"_s), password, error));
    EXPECT_FALSE(PasswordFile::read(folder.path(), password, error));
}

TEST(CertificateTrustTest, TrustedOrPinnedGoesOnAndEverythingElseIsRefused)
{
    using Verdict = CertificateTrust::Verdict;
    const QString other = QString(sha).replace(0, 2, u"ff"_s);
    const struct {
        bool systemTrusted;
        QString seen;
        QString pinned;
        Verdict verdict;
    } cases[] = {
        {true, sha, {}, Verdict::Trusted},
        {false, sha, sha, Verdict::Pinned},
        {false, sha, CertificateTrust::readable(sha).toUpper(), Verdict::Pinned},
        {false, sha, {}, Verdict::Refused},
        {false, other, sha, Verdict::Refused},
        {false, {}, {}, Verdict::Refused},
        {false, u"zz"_s, u"zz"_s, Verdict::Refused},
    };
    for (const auto& [trusted, seen, pinned, verdict] : cases)
        EXPECT_EQ(CertificateTrust::decide(trusted, seen, pinned), verdict) << qPrintable(seen);
    EXPECT_EQ(CertificateTrust::readable(sha).left(8), u"00:d7:0c"_s);
    EXPECT_TRUE(CertificateTrust::normalized(sha + u'0').isEmpty());
}
