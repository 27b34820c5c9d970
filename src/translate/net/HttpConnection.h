#pragma once

#include "translate/net/ExchangeDialogue.h"
#include "translate/net/ProxySettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <atomic>
#include <mutex>

namespace verbalink {

class MessageBoxPort;
class TcpSocket;

// A blocking HTTP client bound to one host: each exchange opens a fresh TCP connection (directly
// or through an HTTP, SOCKS5 or SOCKS4 proxy), sends a request built by the caller, reads the raw
// answer until the server closes or goes quiet, and closes again.
//
// Settings and exchanges never overlap on shared state. setHost, applyProxy and disableProxy
// change the configuration under a lock held only while fields are copied; an exchange copies
// the configuration when it starts and runs on that copy, so an exchange already under way ends
// with the settings it began with and the next one uses the new ones. A settings change therefore
// never waits for network I/O, nor for a proxy error box that the exchanging thread is showing.
// Addresses an exchange resolved are kept only if no change came in meanwhile. Exchanges on one
// connection are serialised by their own lock.
class HttpConnection {
public:
    // The address that stands for "the proxy resolves the name": 1.0.0.0, host byte order.
    static constexpr quint32 ProxyResolvesName = 0x01000000;
    // The widest host or proxy field, in bytes.
    static constexpr qsizetype FieldLimit = ProxyFieldLimit;

    // The box port shows the proxy failure messages, at most one per connection.
    explicit HttpConnection(MessageBoxPort& messageBox);
    ~HttpConnection();
    HttpConnection(const HttpConnection&) = delete;
    HttpConnection& operator=(const HttpConnection&) = delete;

    // Binds the connection to a host, "name" or "name:port" (port 80 when none is given); the
    // name is cut to 99 bytes at a character boundary. Returns whether it resolved; an unresolved
    // host is tried again at the next exchange.
    bool setHost(QByteArrayView host);
    // Routes the following exchanges through the proxy; its addresses are resolved afresh.
    void applyProxy(const ProxySettings& settings);
    // Goes direct again.
    void disableProxy();
    // A connection of a feature's own: bound to the host, with the time-out value, reading
    // until the server closes (not single read), through the proxy when it is enabled.
    void setUp(QByteArrayView host, int timeoutValue, const ProxySettings& proxy);

    // Each chunk of an answer waits at most (value / 10) quiet spells of 20 ms.
    void setTimeoutValue(int value);
    // Read mode without a SOCKS proxy: true ends an answer about 70 ms after the data stops.
    void setSingleRead(bool singleRead);

    // Sends the request and stores up to `capacity` bytes of the answer in `response`; the
    // array's own terminator is the NUL after the last byte. Returns the byte count, -1 when no
    // connection could be opened, the request could not be sent or the first read failed, and 0
    // when a SOCKS proxy did not open the tunnel.
    int exchange(QByteArrayView request, QByteArray& response, qsizetype capacity);

    QByteArray hostName() const;
    quint16 port() const;
    int timeoutValue() const;
    bool singleRead() const;
    bool proxyInUse() const;
    // The target's cached address (0 unresolved, ProxyResolvesName for the proxy to resolve).
    quint32 hostAddress() const;

private:
    struct Config {
        quint64 generation = 0;
        // Host name, port and address, proxy type and credentials, the read budget and mode.
        ExchangeDialogue::Route route;
        QByteArray proxyHost;
        quint16 proxyPort = 0;
        quint32 proxyAddress = 0;
    };

    Config snapshot() const;
    void keepResolved(const Config& used);
    bool connect(Config& config, TcpSocket& socket);
    void showProxyErrorOnce(const QString& text);

    MessageBoxPort& m_messageBox;
    mutable std::mutex m_configMutex;
    Config m_config;
    std::mutex m_exchangeMutex;
    std::atomic<bool> m_proxyErrorShown{false};
};

} // namespace verbalink
