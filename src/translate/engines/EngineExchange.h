#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace verbalink {

class Clock;
class HttpConnection;

// One engine exchange: the request with its single retry after a quarter second, and the
// answer as text for the marker searches.
class EngineExchange {
public:
    static constexpr qsizetype ResponseCapacity = 100000;
    static constexpr qint64 RetryDelayMs = 250;

    explicit EngineExchange(Clock& clock);

    // The raw answer, empty when neither attempt brought a byte.
    QByteArray run(HttpConnection& connection, QByteArrayView request) const;

    // The whole answer, headers included, in UTF-16.
    static QString responseText(QByteArrayView response);

private:
    Clock& m_clock;
};

} // namespace verbalink
