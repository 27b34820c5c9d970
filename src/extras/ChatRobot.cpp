#include "extras/ChatRobot.h"

#include "extras/RobotAnswer.h"
#include "extras/RobotUsers.h"
#include "platform/Clock.h"
#include "translate/engines/EngineContext.h"
#include "translate/engines/EngineExchange.h"
#include "translate/engines/EngineWire.h"
#include "translate/engines/GoogleEngine.h"
#include "translate/flows/TranslationChat.h"
#include "translate/net/HttpConnection.h"
#include "translate/net/ServiceConnections.h"
#include "translate/text/UrlEncoding.h"
#include "translate/text/UtfConversion.h"

#include <QRandomGenerator>

namespace verbalink {

namespace {

constexpr int TimeoutValue = 5000;
constexpr qsizetype InputBytes = 10000;
constexpr qsizetype AnswerCharacters = 20000;
constexpr QByteArrayView English = "en";

std::unique_ptr<HttpConnection> connectionTo(const QByteArray& host, const ProxySettings& proxy,
                                             MessageBoxPort& boxes)
{
    auto connection = std::make_unique<HttpConnection>(boxes);
    connection->setUp(host, TimeoutValue, proxy);
    return connection;
}

} // namespace

ChatRobot::ChatRobot(Links links, QByteArray robotHost, QByteArray googleHost)
    : m_links(links), m_robotHost(std::move(robotHost)), m_googleHost(std::move(googleHost))
{}

ChatRobot::~ChatRobot()
{
    stop();
}

void ChatRobot::stop()
{
    m_stop.raise();
    m_turns.stop();
}

QByteArray ChatRobot::robotIdOrDefault(const QByteArray& stored)
{
    return stored.size() < 2 ? DefaultRobotId.toByteArray() : stored;
}

void ChatRobot::setOptions(const Options& options)
{
    std::lock_guard lock(m_optionsMutex);
    m_options = options;
    m_options.robotId = robotIdOrDefault(options.robotId);
}

ChatRobot::Options ChatRobot::options() const
{
    std::lock_guard lock(m_optionsMutex);
    return m_options;
}

void ChatRobot::handle(const QString& text, const QString& partner)
{
    m_turns.start([this, text, partner] { turn(text, partner); });
}

void ChatRobot::turn(const QString& text, const QString& handle)
{
    // Group chats have no partner, and only contacts in talk mode get answers.
    if (handle.size() < 2 || !m_links.users.contains(handle))
        return;
    if (options().delayAnswer) {
        // As if typed: 5 to 10 seconds.
        const qint64 delayMs = (qint64(QRandomGenerator::global()->bounded(6u)) + 5) * 1000;
        m_links.clock.waitUnlessStopped(delayMs, m_stop);
    }
    if (m_stop.isRaised() || !ask(handle, text))
        return;
    const std::optional<RobotUser> user = m_links.users.find(handle);
    if (user && !m_stop.isRaised())
        m_links.chat.postMessageTo(handle, user->lastAnswer, false);
}

bool ChatRobot::ask(const QString& handle, const QString& text)
{
    if (!m_links.users.contains(handle))
        return false;
    std::lock_guard lock(m_robotLock);
    const Options current = options();
    const ProxySettings proxy = m_links.connections.proxySettings();
    const QByteArray proxyLine = proxy.enabled ? proxy.proxyAuthorizationLine : QByteArray();
    const EngineExchange exchange(m_links.clock);
    const std::unique_ptr<HttpConnection> google = connectionTo(m_googleHost, proxy, m_links.boxes);
    const EngineContext context{*google, exchange, m_googleHost, proxyLine};

    // Written in another language: the robot gets the English translation.
    const GoogleEngine::DetectedTranslation english =
        GoogleEngine::translateDetecting(context, text, English);
    const QByteArray detected =
        english.language.isEmpty() ? English.toByteArray() : english.language.toLatin1();
    const QString input = detected != English && english.text.size() > 1 ? english.text : text;

    const std::optional<RobotUser> user = m_links.users.find(handle);
    QByteArray conversationId = user ? user->conversationId : QByteArray();
    const std::unique_ptr<HttpConnection> robot = connectionTo(m_robotHost, proxy, m_links.boxes);
    const QByteArray response = exchange.run(
        *robot, request(m_robotHost, current.robotId, input, conversationId, proxyLine));
    QString answer;
    if (!response.isEmpty()) {
        const RobotAnswer parsed = RobotAnswer::parse(utf8ToUtf16Cut(response, AnswerCharacters));
        conversationId = parsed.conversationId.value_or(conversationId);
        answer = parsed.text;
        if (current.translateAnswer && detected != English && !answer.isEmpty()) {
            const GoogleEngine::DetectedTranslation back =
                GoogleEngine::translateDetecting(context, answer, detected);
            if (back.text.size() > 1)
                answer = back.text;
        }
    }
    m_links.users.setConversation(handle, conversationId, answer);
    return !answer.isEmpty();
}

QByteArray ChatRobot::request(QByteArrayView host, QByteArrayView robotId, const QString& input,
                              QByteArrayView conversationId, QByteArrayView proxyLine)
{
    // A long message is asked about by its beginning, cut at a character boundary.
    const QByteArray encoded = urlEncode(utf16ToUtf8Cut(input, InputBytes));
    return "GET http://" + host.toByteArray() + "/pandora/talk-xml?botid=" + robotId.toByteArray() +
           "&input=" + encoded + "&custid=" + conversationId.toByteArray() +
           " HTTP/1.0\r\nHost: " + host.toByteArray() + "\r\n" +
           EngineWire::AcceptCharsetLine.toByteArray() + proxyLine.toByteArray() + "\r\n";
}

void ChatRobot::waitForTurns()
{
    m_turns.waitForAll();
}

} // namespace verbalink
