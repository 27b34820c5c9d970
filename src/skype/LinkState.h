#pragma once

#include "skype/AttachState.h"
#include "skype/SkypeTransport.h"

#include <QList>
#include <atomic>
#include <mutex>

namespace verbalink {

// The link fields that the main thread, the link thread and any sending thread share: the
// attach state, the last PONG time and the list of attached endpoints. Updates that touch the
// list and the state together are made under one lock so no thread sees half of them.
class LinkState {
public:
    int attachState() const { return m_attachState.load(); }
    void setAttachState(int state) { m_attachState.store(state); }
    // Moves from `expected` to `desired` only if no other thread changed the state meanwhile.
    bool changeAttachState(int expected, int desired);

    qint64 lastPongMs() const { return m_lastPongMs.load(); }
    void setLastPongMs(qint64 ms) { m_lastPongMs.store(ms); }

    // The endpoints in attach order; a cleared entry is the null (empty) endpoint.
    QList<SkypeEndpoint> endpoints() const;
    // True when the list has entries, null entries included.
    bool hasEndpoints() const;
    // True for a non-null endpoint that is in the list.
    bool isListed(const SkypeEndpoint& endpoint) const;

    // A successful attach: the endpoint joins the list (once) and the link is attached.
    void attach(const SkypeEndpoint& endpoint);
    // A failed send: the first entry for the endpoint becomes null (the list keeps its
    // length) and the link drops to not attached.
    void dropEndpoint(const SkypeEndpoint& endpoint);
    // A send that the endpoint, still there, did not answer in time: it leaves the list with
    // the null entries of failed sends and the link drops to not attached, so that with
    // nothing left listed the link thread discovers again at its next pass.
    void dropStalled(const SkypeEndpoint& endpoint);
    // The endpoint's process is gone: it leaves the list with the null entries of failed sends;
    // when nothing is left, the link is not attached and discovery starts over.
    void forget(const SkypeEndpoint& endpoint);
    // Loss of the link: the list is emptied and discovery starts over.
    void reset();
    void clearEndpoints();

private:
    std::atomic<int> m_attachState{StateNotAttached};
    std::atomic<qint64> m_lastPongMs{0};
    mutable std::mutex m_mutex;
    QList<SkypeEndpoint> m_endpoints;
};

} // namespace verbalink
