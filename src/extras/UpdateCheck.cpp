#include "extras/UpdateCheck.h"

#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "platform/Clock.h"
#include "platform/MessageBoxPort.h"
#include "translate/engines/EngineWire.h"
#include "translate/net/HttpConnection.h"

namespace verbalink {

namespace {

constexpr QByteArrayView VersionKey = "VerbalinkVersion:";
constexpr qsizetype ResponseCapacity = 1024;
constexpr int TimeoutValue = 5000;
constexpr qint64 RetryDelayMs = 250;
const auto Caption = QStringLiteral("Verbalink update check");

QByteArray versionRequest(const UpdateCheck::Site& site)
{
    QByteArray request = "GET http://" + site.host + "/version.txt HTTP/1.0\r\nHost: " + site.host +
                         "\r\n" + EngineWire::UserAgentLine;
    if (site.proxy.enabled)
        request += site.proxy.proxyAuthorizationLine;
    return request + "\r\n";
}

} // namespace

UpdateCheck::UpdateCheck(Links links) : m_links(std::move(links)) {}

UpdateCheck::~UpdateCheck()
{
    m_stop.raise();
    m_checks.stop();
}

void UpdateCheck::start(Mode mode, Request request)
{
    m_checks.start([this, mode, request = std::move(request)] { run(mode, request); });
}

void UpdateCheck::run(Mode mode, const Request& request)
{
    const bool automatic = mode == Mode::Automatic;
    if (automatic) {
        if (!m_links.clock.waitUnlessStopped(StartDelayMs, m_stop) || !dueForAutomaticCheck())
            return;
    }
    const QByteArray response = fetchVersionFile(request.site);
    if (response.isEmpty()) {
        if (!automatic)
            m_links.boxes.showMessage(request.noConnectionText, Caption,
                                      MessageBoxPort::Icon::Error);
        return;
    }
    const qsizetype key = response.indexOf(VersionKey);
    if (key <= 0)
        return;
    // A version file ends with a line break like any text file; it is not part of the version.
    const QByteArray published = response.mid(key + VersionKey.size()).trimmed();
    if (published != OwnVersion) {
        const QString text = QString(request.newVersionText)
                                 .replace(QStringLiteral("%s"), QString::fromLatin1(published))
                                 .left(ResponseCapacity - 1);
        if (m_links.boxes.askYesNo(text, Caption, MessageBoxPort::Icon::Information))
            m_links.openProductPage(QStringLiteral("download.html"));
    } else if (!automatic) {
        m_links.boxes.showMessage(request.latestVersionText, Caption,
                                  MessageBoxPort::Icon::Information);
    }
    if (automatic)
        storeCheckTime();
}

bool UpdateCheck::dueForAutomaticCheck()
{
    Settings stored;
    loadSetting(m_links.registry, stored, lastUpdateCheckSetting());
    const qint64 last = stored.lastUpdateCheck;
    const qint64 now = m_links.clock.epochSeconds();
    // A time in the future (a clock set back) starts the interval again from now.
    if (last > now)
        storeCheckTime();
    return now - last >= IntervalSeconds;
}

QByteArray UpdateCheck::fetchVersionFile(const Site& site)
{
    HttpConnection connection(m_links.boxes);
    connection.setUp(site.host, TimeoutValue, site.proxy);
    const QByteArray request = versionRequest(site);
    QByteArray response;
    if (connection.exchange(request, response, ResponseCapacity) > 0)
        return response;
    m_links.clock.sleepMs(RetryDelayMs);
    if (connection.exchange(request, response, ResponseCapacity) > 0)
        return response;
    return {};
}

void UpdateCheck::storeCheckTime()
{
    writeSetting(m_links.registry, QString::fromUtf16(SettingsKeyPath),
                 QString::fromUtf16(lastUpdateCheckSetting().name),
                 QString::number(m_links.clock.epochSeconds()));
}

} // namespace verbalink
