#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace verbalink {

// Who a line comes from or goes to: stands for a chat client API window. On D-Bus it is the
// unique bus name of the process that owns the API name. The empty endpoint is the null handle.
using SkypeEndpoint = QString;

// Attach statuses as the chat client reports them.
enum AttachStatus : int {
    AttachSuccess = 0,
    AttachPendingAuthorization = 1,
    AttachRefused = 2,
    AttachNotAvailable = 3,
    AttachApiAvailable = 0x8001,
};

// What became of one command sent to an endpoint.
struct SendResult {
    enum Outcome {
        // The client took it; its reply, if any, arrives later as a received line.
        Delivered,
        // The client took it and answered with an error of the carrier instead of a line: it
        // is alive, there is just nothing to read. `error` says what it answered.
        DeliveredWithError,
        // Nobody took it: no such endpoint, nobody owning the API, a peer that left, no bus.
        Failed,
        // No answer in time from a peer that is still the client: it has stalled.
        Stalled,
    };
    Outcome outcome = Failed;
    QString error;

    bool delivered() const { return outcome == Delivered || outcome == DeliveredWithError; }
};

// The carrier of the chat client's text protocol. The link and channel code sees only this.
// Events are delivered on the thread that owns the transport (the main thread); send() may be
// called from any thread.
class SkypeTransport {
public:
    struct Handlers {
        // An attach reply (or the API becoming available) from an endpoint.
        std::function<void(const SkypeEndpoint&, int status)> attach;
        // One received line, as raw bytes (UTF-8 on the wire, may hold anything).
        std::function<void(const SkypeEndpoint&, const QByteArray&)> received;
        // The endpoint is gone for good (its process left): it will never answer again.
        std::function<void(const SkypeEndpoint&)> gone;
    };

    virtual ~SkypeTransport() = default;

    // Set once, before the first discover.
    virtual void setHandlers(Handlers handlers) = 0;
    // Posts the discovery broadcast; false only when it could not be posted at all.
    virtual bool postDiscover() = 0;
    // Delivers one command to an endpoint, waiting at most 4000 ms. The bytes carry no
    // terminator.
    virtual SendResult send(const SkypeEndpoint& to, const QByteArray& command) = 0;
};

} // namespace verbalink
