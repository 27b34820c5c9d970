// Apertium as installed by scripts/setup, and the pipeline's upkeep with small stand-in programs.
#include "gateway/ApertiumTranslator.h"

#include "QtPrinters.h"
#include "gateway/ApertiumModes.h"
#include "gateway/ApertiumPipeline.h"
#include "gateway/GatewayLog.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

namespace verbalink::gateway {
namespace {

using namespace Qt::StringLiterals;
using Result = TextTranslator::Result;

bool logHas(const GatewayLog& log, const QString& text)
{
    for (const QString& line : log.recentLines()) {
        if (line.contains(text))
            return true;
    }
    return false;
}

class ApertiumTranslatorTest : public ::testing::Test {
protected:
    GatewayLog m_log{nullptr};
    ApertiumTranslator m_apertium{
        ApertiumModes::scan(QString::fromLatin1(ApertiumModes::DefaultFolder)), m_log};
};

// Empty mode files are enough for everything but running them.
ApertiumModes modesNamed(const QTemporaryDir& folder, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    return ApertiumModes::scan(folder.path());
}

TEST(ApertiumModes, FindsTheInstalledDirectionsAndLeavesVariantsOut)
{
    const ApertiumModes installed =
        ApertiumModes::scan(QString::fromLatin1(ApertiumModes::DefaultFolder));
    // What scripts/setup installs: some pairs in both directions, some into Spanish only.
    for (const auto& [from, to] : {std::pair{"eng", "spa"},
                                   {"spa", "eng"},
                                   {"eng", "cat"},
                                   {"cat", "eng"},
                                   {"eng", "epo"},
                                   {"epo", "eng"},
                                   {"eng", "glg"},
                                   {"glg", "eng"},
                                   {"spa", "fra"},
                                   {"fra", "spa"},
                                   {"spa", "por"},
                                   {"por", "spa"},
                                   {"spa", "ita"},
                                   {"ita", "spa"},
                                   {"ron", "spa"},
                                   {"eus", "spa"}})
        EXPECT_FALSE(installed.modeFile(from, to).isEmpty()) << from << '-' << to;
    EXPECT_TRUE(installed.modeFile("eng", "cat").endsWith(u"/eng-cat.mode"));
    EXPECT_TRUE(installed.modeFile("spa", "fra").endsWith(u"/es-fr.mode"));
    const QList<QByteArray> languages = installed.languages();
    EXPECT_TRUE(
        QSet<QByteArray>(languages.begin(), languages.end())
            .contains({"cat", "eng", "epo", "eus", "fra", "glg", "ita", "por", "ron", "spa"}));
    // The machine may hold pairs beyond these; every language still reads as a three-letter code.
    for (const QByteArray& language : languages)
        EXPECT_EQ(language.size(), 3) << language.constData();

    QTemporaryDir folder;
    const ApertiumModes odd = modesNamed(
        folder, {"eng-spa.mode", "eng-cat_valencia.mode", "eo-en-compounds.mode", "eco-es-fr.mode",
                 "es-pt_BR.mode", "EN-ES.mode", "en-en.mode", "x-y.mode", "en-zz.mode", "README"});
    EXPECT_EQ(odd.directions(), (QList<ApertiumModes::Direction>{{"eng", "spa"}}));
}

TEST(ApertiumRoutes, TakeTheFewestStepsThroughEnglishThenSpanish)
{
    QTemporaryDir folder;
    // English and Spanish both ways, Catalan and Galician with each other and with English,
    // French and Italian with Spanish, Basque into Spanish only, and a chain out of reach.
    const ApertiumRoutes routes(modesNamed(
        folder, {"en-es.mode", "es-en.mode", "ca-en.mode", "en-ca.mode", "gl-en.mode", "en-gl.mode",
                 "ca-gl.mode", "gl-ca.mode", "es-fr.mode", "fr-es.mode", "spa-ita.mode",
                 "ita-spa.mode", "eu-es.mode", "ita-srd.mode", "srd-oci.mode"}));
    const std::pair<std::pair<const char*, const char*>, QList<QByteArray>> cases[] = {
        {{"eng", "spa"}, {"eng", "spa"}},
        {{"cat", "glg"}, {"cat", "glg"}},
        {{"eng", "fra"}, {"eng", "spa", "fra"}},
        {{"fra", "eng"}, {"fra", "spa", "eng"}},
        // Through English, not through Galician, though both take two steps.
        {{"cat", "spa"}, {"cat", "eng", "spa"}},
        {{"cat", "ita"}, {"cat", "eng", "spa", "ita"}},
        {{"eus", "eng"}, {"eus", "spa", "eng"}},
        {{"eus", "fra"}, {"eus", "spa", "fra"}},
        {{"spa", "srd"}, {"spa", "ita", "srd"}},
        // Into Basque there is no pair at all; Occitan is four steps from English.
        {{"spa", "eus"}, {}},
        {{"eng", "oci"}, {}},
        {{"eng", "eng"}, {}},
        {{"eng", "deu"}, {}},
    };
    for (const auto& [pair, expected] : cases) {
        SCOPED_TRACE(std::string(pair.first) + '-' + pair.second);
        EXPECT_EQ(routes.route(pair.first, pair.second), expected);
    }
    const QStringList described = routes.describe();
    EXPECT_TRUE(described.contains(
        u"eus: cat(spa eng) eng(spa) fra(spa) glg(spa eng) ita(spa) spa srd(spa ita)"_s))
        << described.join(u'\n').toStdString();
}

TEST_F(ApertiumTranslatorTest, TranslatesEveryInstalledDirectionAndOthersAlongARoute)
{
    struct Case {
        QByteArray from;
        QByteArray to;
        QString text;
        QStringList words;
        // Languages on the route, both ends included.
        qsizetype onRoute;
    };
    const Case cases[] = {
        {"eng", "spa", u"Hello, how are you?"_s, {u"Hola"_s, u"cómo"_s}, 2},
        {"eng", "cat", u"The cat eats fish."_s, {u"gat"_s, u"menja"_s, u"peix"_s}, 2},
        {"eng", "epo", u"The dog eats the apple."_s, {u"hundo"_s, u"pomon"_s}, 2},
        {"eng", "glg", u"The house is big."_s, {u"casa"_s, u"grande"_s}, 2},
        {"cat", "eng", u"El gat menja peix."_s, {u"cat"_s, u"fish"_s}, 2},
        {"epo", "eng", u"La hundo manĝas la pomon."_s, {u"dog"_s, u"apple"_s}, 2},
        {"glg", "eng", u"A casa é grande."_s, {u"house"_s, u"big"_s}, 2},
        {"spa", "cat", u"El gato come pescado."_s, {u"gat"_s}, 3},
        {"epo", "spa", u"La hundo manĝas la pomon."_s, {u"perro"_s, u"manzana"_s}, 3},
        // The pairs with Spanish, and English to and from them through Spanish.
        {"spa", "fra", u"El gato come pescado."_s, {u"chat"_s, u"mange"_s}, 2},
        {"eng", "fra", u"The cat eats fish."_s, {u"chat"_s, u"mange"_s, u"poisson"_s}, 3},
        {"fra", "eng", u"Le chat mange du poisson."_s, {u"cat"_s, u"eats"_s}, 3},
        {"eng", "por", u"The cat eats fish."_s, {u"gato"_s, u"come"_s}, 3},
        {"eng", "ita", u"The cat eats fish."_s, {u"gatto"_s, u"mangia"_s}, 3},
        {"ron", "eng", u"Pisica mănâncă peşte."_s, {u"fish"_s}, 3},
        {"eus", "eng", u"Katuak arraina jaten du."_s, {u"cat"_s, u"fish"_s}, 3},
        {"cat", "fra", u"El gat menja peix."_s, {u"chat"_s}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QByteArray(c.from + '-' + c.to).toStdString());
        EXPECT_EQ(m_apertium.route(c.from, c.to).size(), c.onRoute);
        const TextTranslator::Outcome outcome = m_apertium.translate(c.text, c.from, c.to);
        ASSERT_EQ(outcome.result, Result::Translated);
        for (const QString& word : c.words)
            EXPECT_TRUE(outcome.text.contains(word)) << outcome.text.toStdString();
    }
    for (const auto& [from, to] :
         {std::pair{"eng", "deu"}, {"deu", "spa"}, {"eng", "eng"}, {"spa", "eus"}}) {
        EXPECT_TRUE(m_apertium.route(from, to).isEmpty());
        EXPECT_EQ(m_apertium.translate(u"Hello"_s, from, to).result, Result::Unsupported);
    }
}

TEST_F(ApertiumTranslatorTest, MarkupLineBreaksAndUnknownWordsReadAsTyped)
{
    const QString marked =
        m_apertium.translate(u"I like <b>green</b> apples & #tags *now* @you"_s, "eng", "spa").text;
    for (const QString& kept : {u"<b>"_s, u"</b>"_s, u"&"_s, u"#"_s, u"*"_s, u"@"_s})
        EXPECT_TRUE(marked.contains(kept)) << marked.toStdString();
    EXPECT_FALSE(marked.contains(u'\\')) << marked.toStdString();

    const QString lines =
        m_apertium.translate(u"Good morning.\r\nGood night."_s, "eng", "spa").text;
    EXPECT_EQ(lines.count(u"\r\n"_s), 1) << lines.toStdString();
    EXPECT_TRUE(lines.startsWith(u"Buenos"_s)) << lines.toStdString();

    // Apertium marks what it does not know with "*", "#" or "@"; the answer must not show them.
    const QString unknown =
        m_apertium.translate(u"The xyzzyplugh sings to the frobnicated houses."_s, "eng", "spa")
            .text;
    EXPECT_TRUE(unknown.contains(u"xyzzyplugh"_s)) << unknown.toStdString();
    for (const QChar mark : {u'*', u'#', u'@'})
        EXPECT_FALSE(unknown.contains(mark)) << unknown.toStdString();
}

TEST_F(ApertiumTranslatorTest, ConcurrentRequestsGetTheirOwnAnswers)
{
    const QList<std::tuple<QString, QByteArray, QByteArray>> requests{
        {u"Hello, how are you?"_s, "eng", "spa"},  {u"The house is big."_s, "eng", "spa"},
        {u"I like green apples."_s, "eng", "spa"}, {u"The cat eats fish."_s, "eng", "cat"},
        {u"Good night."_s, "eng", "cat"},          {u"El gat menja peix."_s, "cat", "eng"},
        {u"La hundo manĝas."_s, "epo", "eng"},     {u"A casa é grande."_s, "glg", "eng"},
    };
    QStringList expected;
    for (const auto& [text, from, to] : requests)
        expected.append(m_apertium.translate(text, from, to).text);

    std::atomic<int> wrong{0};
    std::vector<std::thread> clients;
    for (int client = 0; client < 8; ++client) {
        clients.emplace_back([&, client] {
            for (int round = 0; round < 6; ++round) {
                const qsizetype i = (client + round * 3) % requests.size();
                const auto& [text, from, to] = requests[i];
                if (m_apertium.translate(text, from, to).text != expected[i])
                    ++wrong;
            }
        });
    }
    for (std::thread& client : clients)
        client.join();
    EXPECT_EQ(wrong, 0);
}

TEST_F(ApertiumTranslatorTest, ADirectionThatDiedIsStartedAgain)
{
    ApertiumPipeline* pipeline = m_apertium.pipeline("eng", "spa");
    ASSERT_TRUE(pipeline->translate(u"Hello"_s));
    const pid_t first = pipeline->runningPid();
    ASSERT_GT(first, 0);
    ::kill(-first, SIGKILL);
    const std::optional<QString> again = pipeline->translate(u"Hello, how are you?"_s);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->contains(u"Hola"_s));
    EXPECT_NE(pipeline->runningPid(), first);
}

// A stand-in for a mode: a script that gets every stage's options and ignores them.
QString standInMode(const QTemporaryDir& folder, const QString& name, const QByteArray& script)
{
    QFile program(folder.filePath(name + u".sh"));
    program.open(QIODevice::WriteOnly);
    program.write("#!/bin/sh\n" + script + '\n');
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile mode(folder.filePath(name + u".mode"));
    mode.open(QIODevice::WriteOnly);
    mode.write('\'' + program.fileName().toUtf8() + "'\n");
    return mode.fileName();
}

TEST(ApertiumPipeline, KeepsManyRequestsInFlightInOrder)
{
    QTemporaryDir folder;
    GatewayLog log(nullptr);
    ApertiumPipeline echo(standInMode(folder, u"echo"_s, "exec cat"), log, 5000);
    std::atomic<int> wrong{0};
    std::vector<std::thread> clients;
    for (int client = 0; client < 8; ++client) {
        clients.emplace_back([&, client] {
            for (int i = 0; i < 25; ++i) {
                const QString text = QStringLiteral("client %1 [request] #%2").arg(client).arg(i);
                if (echo.translate(text) != text)
                    ++wrong;
            }
        });
    }
    for (std::thread& client : clients)
        client.join();
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(log.recentLines().filter(u"started"_s).size(), 1);
}

TEST(ApertiumPipeline, APipelineThatFailsGivesNothingAndIsStartedAfresh)
{
    struct Case {
        const char* name;
        QByteArray script;
        QString logged;
        int deadlineMs;
    };
    // Only the first case waits out its deadline; the others must not reach theirs even on a
    // loaded machine, or they would be logged as timeouts.
    const Case cases[] = {
        {"swallows the end of every request", "exec tr -d '\\000'", u"no answer in time"_s, 300},
        {"answers something nobody asked", "printf 'stray\\0'; exec cat", u"out of step"_s, 10000},
        {"dies at once", "exit 3", u"the pipeline ended"_s, 10000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        GatewayLog log(nullptr);
        ApertiumPipeline broken(standInMode(folder, u"broken"_s, c.script), log, c.deadlineMs);
        EXPECT_FALSE(broken.translate(u"Hello"_s));
        EXPECT_FALSE(broken.translate(u"Hello"_s));
        EXPECT_TRUE(logHas(log, c.logged));
        EXPECT_GE(log.recentLines().filter(u"started"_s).size(), 2);
    }
    GatewayLog log(nullptr);
    ApertiumPipeline missing(u"/nonexistent/eng-spa.mode"_s, log, 300);
    EXPECT_FALSE(missing.translate(u"Hello"_s));
    EXPECT_TRUE(logHas(log, u"cannot read"_s));
}

} // namespace
} // namespace verbalink::gateway
