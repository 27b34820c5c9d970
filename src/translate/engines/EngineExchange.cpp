#include "translate/engines/EngineExchange.h"

#include "platform/Clock.h"
#include "translate/net/HttpConnection.h"
#include "translate/text/UtfConversion.h"

namespace verbalink {

EngineExchange::EngineExchange(Clock& clock) : m_clock(clock) {}

QByteArray EngineExchange::run(HttpConnection& connection, QByteArrayView request) const
{
    QByteArray response;
    int count = connection.exchange(request, response, ResponseCapacity);
    if (count <= 0) {
        // -1 (no connection) and 0 (nothing came) are both a missing answer.
        m_clock.sleepMs(RetryDelayMs);
        response.clear();
        count = connection.exchange(request, response, ResponseCapacity);
    }
    if (count <= 0)
        return {};
    response.truncate(count);
    return response;
}

QString EngineExchange::responseText(QByteArrayView response)
{
    // At most ResponseCapacity bytes can never need more UTF-16 units than that.
    return utf8ToUtf16(response, ResponseCapacity).value_or(QString());
}

} // namespace verbalink
