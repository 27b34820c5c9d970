#include "TranslationTestService.h"

#include "ServiceAnswers.h"

#include <QString>
#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace verbalink::test {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int RequestWaitMs = 3000;
constexpr int CloseWaitMs = 5000;
// Longer than any client's budget for an answer.
constexpr int HoldWaitMs = 60000;

int listenOnLoopback(quint16* port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        return -1;
    }
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    *port = ntohs(address.sin_port);
    return fd;
}

// Reads what arrives within `waitMs`; false once the peer has closed or failed.
bool readSome(int fd, QByteArray& into, int waitMs)
{
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, waitMs) <= 0)
        return true;
    char chunk[4096];
    const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
    if (n <= 0)
        return false;
    into.append(chunk, n);
    return true;
}

qsizetype contentLength(const QByteArray& head)
{
    for (const QByteArray& line : head.split('\n')) {
        if (line.toLower().startsWith("content-length:"))
            return line.mid(15).trimmed().toLongLong();
    }
    return 0;
}

bool requestComplete(const QByteArray& bytes)
{
    const qsizetype headEnd = bytes.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    return bytes.size() - (headEnd + 4) >= contentLength(bytes.left(headEnd));
}

// Reads until the peer closes, at most `waitMs`.
void drainUntilClosed(int fd, QByteArray& into, int waitMs)
{
    const auto end = Clock::now() + std::chrono::milliseconds(waitMs);
    while (Clock::now() < end && readSome(fd, into, 20)) {
    }
}

QByteArray requestPath(const QByteArray& request)
{
    const QByteArray line = request.left(request.indexOf("\r\n"));
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() < 2)
        return {};
    QByteArray target = parts[1];
    if (target.startsWith("http://"))
        target = target.mid(target.indexOf('/', 7));
    return target;
}

QString parameter(const QByteArray& request, const QByteArray& name)
{
    const QByteArray target = requestPath(request);
    const QByteArray query = target.mid(target.indexOf('?') + 1);
    for (const QByteArray& pair : query.split('&')) {
        if (pair.startsWith(QByteArray(name + '=')))
            return QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(name.size() + 1)));
    }
    return {};
}

QByteArray body(const QByteArray& request)
{
    return request.mid(request.indexOf("\r\n\r\n") + 4);
}

QString tagged(const QString& language, const QString& text)
{
    return u'[' + language + u"] " + text;
}

} // namespace

TranslationTestService::TranslationTestService()
{
    m_listenFd = listenOnLoopback(&m_port);
    if (m_listenFd >= 0)
        m_thread = std::thread([this] { serve(); });
}

TranslationTestService::~TranslationTestService()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

QByteArray TranslationTestService::hostPort() const
{
    return "127.0.0.1:" + QByteArray::number(m_port);
}

void TranslationTestService::queue(Route route, Answer answer)
{
    std::lock_guard lock(m_mutex);
    m_queues[int(route)].enqueue(std::move(answer));
}

QList<TranslationTestService::Request> TranslationTestService::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

bool TranslationTestService::waitForRequests(int count, int timeoutMs) const
{
    std::unique_lock lock(m_mutex);
    return m_finished.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [&] { return m_requests.size() >= count; });
}

TranslationTestService::Route TranslationTestService::routeOf(const QByteArray& request)
{
    const QByteArray target = requestPath(request);
    const qsizetype query = target.indexOf('?');
    const QByteArray path = query < 0 ? target : target.left(query);
    if (path == "/translate_a/t")
        return Route::Google;
    if (path == "/uds/Gtranslate")
        return Route::GoogleDetecting;
    if (path == "/translate_txt")
        return Route::Yahoo;
    if (path == "/DefaultPrev.aspx")
        return Route::Bing;
    if (path == "/translate/babylon.php")
        return Route::Babylon;
    if (path == "/")
        return Route::SysTranCookie;
    if (path == "/sai")
        return Route::SysTranTranslate;
    if (path == "/services/MobileService.asmx/TranslateText4Touch")
        return Route::Promt;
    if (path == "/pandora/talk-xml")
        return Route::Robot;
    return Route::Unknown;
}

TranslationTestService::Answer TranslationTestService::defaultAnswer(Route route,
                                                                     const QByteArray& request)
{
    using namespace ServiceAnswers;
    switch (route) {
    case Route::Google: {
        const QString text = parameter(request, "text");
        return reply(googleSentences({{tagged(parameter(request, "tl"), text), text.toLower()}}));
    }
    case Route::GoogleDetecting:
        return reply(googleDetected(
            tagged(parameter(request, "langpair").mid(1), parameter(request, "q")), "en"));
    case Route::Yahoo:
        return reply(yahooResult(tagged(parameter(request, "lp"), parameter(request, "trtext"))));
    case Route::Bing: {
        const QByteArray cookie = request.mid(request.indexOf("; to=") + 5);
        const QString to = QString::fromUtf8(cookie.left(cookie.indexOf(';')));
        const QByteArray text = QByteArray::fromPercentEncoding(body(request).mid(11));
        return keepOpen(bingResult(tagged(to, QString::fromUtf8(text))));
    }
    case Route::Babylon: {
        const QString pair = parameter(request, "langpair");
        return reply(
            babylonCallback(tagged(pair.mid(pair.indexOf(u'|') + 1), parameter(request, "q"))));
    }
    case Route::SysTranCookie:
        return reply(sysTranCookiePage({"SESSION=s1; path=/", "lang=en; path=/"}));
    case Route::SysTranTranslate:
        return reply(
            sysTranResult(tagged(parameter(request, "lp"), QString::fromUtf8(body(request)))));
    case Route::Promt:
        return reply(
            promtResult(tagged(parameter(request, "direction"), parameter(request, "text"))));
    case Route::Robot: {
        // The conversation goes on under the id the client sent, or a new one.
        const QString id = parameter(request, "custid");
        const QString input = parameter(request, "input");
        return reply(robotResult(id.isEmpty() ? "conversation-1" : id.toUtf8(), input,
                                 u"You said: " + input));
    }
    case Route::Unknown:
        break;
    }
    return reply("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n");
}

void TranslationTestService::openGate()
{
    m_gateOpen = true;
}

bool TranslationTestService::waitForGate(int fd, QByteArray& bytes)
{
    const auto giveUp = Clock::now() + std::chrono::milliseconds(HoldWaitMs);
    bool open = true;
    while (open && !m_gateOpen && !m_stop && Clock::now() < giveUp)
        open = readSome(fd, bytes, 20);
    return open;
}

void TranslationTestService::serve()
{
    while (!m_stop) {
        pollfd entry{m_listenFd, POLLIN, 0};
        if (::poll(&entry, 1, 20) <= 0)
            continue;
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0)
            handle(fd);
    }
}

void TranslationTestService::handle(int fd)
{
    QByteArray bytes;
    const auto end = Clock::now() + std::chrono::milliseconds(RequestWaitMs);
    bool open = true;
    while (open && !m_stop && !requestComplete(bytes) && Clock::now() < end)
        open = readSome(fd, bytes, 20);

    const Route route = routeOf(bytes);
    const Answer answer = nextAnswer(route, bytes);
    // Recorded before the answer goes out: a client that has its answer may look at once.
    const qsizetype index = record(route, bytes);
    if (answer.kind == Answer::Hold) {
        const auto giveUp = Clock::now() + std::chrono::milliseconds(HoldWaitMs);
        while (open && !m_stop && Clock::now() < giveUp)
            open = readSome(fd, bytes, 20);
    }
    QByteArray reply = answer.bytes;
    if (answer.kind == Answer::Gated) {
        const QByteArray request = bytes;
        open = open && waitForGate(fd, bytes);
        if (reply.isEmpty())
            reply = defaultAnswer(route, request).bytes;
    }
    if (open && answer.kind != Answer::Drop && answer.kind != Answer::Hold)
        ::send(fd, reply.constData(), size_t(reply.size()), MSG_NOSIGNAL);
    // Closing only after the client has, so no unread byte turns the close into a reset
    // that could discard the answer; the wait also collects any bytes sent after the head.
    if (answer.kind != Answer::KeepOpen)
        ::shutdown(fd, SHUT_WR);
    if (open)
        drainUntilClosed(fd, bytes, CloseWaitMs);
    ::close(fd);

    std::lock_guard lock(m_mutex);
    m_requests[index].bytes = bytes;
    m_finished.notify_all();
}

qsizetype TranslationTestService::record(Route route, const QByteArray& bytes)
{
    std::lock_guard lock(m_mutex);
    m_requests.append({route, bytes});
    m_finished.notify_all();
    return m_requests.size() - 1;
}

TranslationTestService::Answer TranslationTestService::nextAnswer(Route route,
                                                                  const QByteArray& request)
{
    {
        std::lock_guard lock(m_mutex);
        QQueue<Answer>& queued = m_queues[int(route)];
        if (!queued.isEmpty())
            return queued.dequeue();
    }
    return defaultAnswer(route, request);
}

} // namespace verbalink::test
