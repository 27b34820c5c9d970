#pragma once

#include "FakeClock.h"
#include "FakeMessageBox.h"
#include "FakeSkypeTransport.h"
#include "skype/SkypeConnection.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '"' << bytes.toStdString() << '"';
}

namespace verbalink::test {

// A connection on a fake transport in virtual time, with its log captured.
class SkypeFixture : public ::testing::Test {
protected:
    struct LogLine {
        QString text;
        qint64 atMs;
    };

    SkypeFixture()
    {
        connection.handlers().onLog.set([this](const QString& line) {
            log.append(line);
            logTimes.append({line, clock.nowMs()});
        });
    }

    void attach(const SkypeEndpoint& endpoint) { transport.deliverAttach(endpoint, AttachSuccess); }
    void receive(const SkypeEndpoint& from, const QString& line)
    {
        transport.deliverLine(from, line.toUtf8());
    }
    void passes(int count)
    {
        for (int i = 0; i < count; ++i)
            connection.link().runPass();
    }
    // An attached endpoint with the attach traffic forgotten.
    void attachQuietly(const SkypeEndpoint& endpoint)
    {
        attach(endpoint);
        transport.clear();
        log.clear();
    }

    FakeSkypeTransport transport;
    FakeClock clock;
    FakeMessageBox boxes;
    SkypeConnection connection{transport, clock, boxes};
    QStringList log;
    QList<LogLine> logTimes;
};

} // namespace verbalink::test
