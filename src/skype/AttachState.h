#pragma once

namespace verbalink {

// Where the link to the chat client stands; the link thread and the attach handler move it.
enum AttachState : int {
    StateNotAttached = 0,
    StateDiscovering = 1,
    StateAttached = 2,
    StatePendingAuthorization = 3,
    StateRefused = 10,
    StateApiNotAvailable = 11,
    StateApiAvailable = 12,
    StateRefusalReported = 100,
};

} // namespace verbalink
