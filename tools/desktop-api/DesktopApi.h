#pragma once

#include "ApiChats.h"
#include "ApiCommandTable.h"
#include "ApiContacts.h"
#include "ApiResponse.h"
#include "ApiState.h"

namespace verbalink::desktopapi {

class ApiWorld;

// The chat client's side of the desktop API without any transport: one command in, the reply
// and the notifications out. Attaching, users, groups, chats and chat messages are built in;
// whatever else a client answers is added as handlers in the command table.
class DesktopApi {
public:
    DesktopApi(ApiState state, const ApiWorld& world,
               qsizetype messageCapacity = ApiMessageStore::DefaultCapacity);
    // The handlers refer to this object.
    DesktopApi(const DesktopApi&) = delete;
    DesktopApi& operator=(const DesktopApi&) = delete;

    ApiResponse handle(const QString& command);
    void addHandler(const QString& key, ApiCommandTable::Handler handler);

    const ApiState& state() const { return m_state; }
    ApiState& state() { return m_state; }
    ApiChats& chats() { return m_chats; }
    const ApiChats& chats() const { return m_chats; }
    const ApiWorld& world() const { return m_world; }

private:
    void addBuiltInHandlers();
    ApiResponse respond(const QString& command);
    ApiResponse name(const QString& application);
    ApiResponse protocol(const QString& version) const;
    ApiResponse createApplication(const QString& application) const;
    ApiResponse ping() const;

    ApiState m_state;
    const ApiWorld& m_world;
    ApiCommandTable m_commands;
    ApiContacts m_contacts;
    ApiChats m_chats;
};

} // namespace verbalink::desktopapi
