#pragma once

#include <QString>

// The names under which the chat client's API and its client meet on the session bus.
namespace verbalink::skypedbus {

// Owned by the chat client; serves Invoke(s) -> s at apiPath() / apiInterface().
inline QString apiService()
{
    return QStringLiteral("com.Skype.API");
}
inline QString apiPath()
{
    return QStringLiteral("/com/Skype");
}
inline QString apiInterface()
{
    return QStringLiteral("com.Skype.API");
}
inline QString invokeMethod()
{
    return QStringLiteral("Invoke");
}

// Exported by the client; the chat client pushes Notify(s) here.
inline QString clientPath()
{
    return QStringLiteral("/com/Skype/Client");
}
inline QString clientInterface()
{
    return QStringLiteral("com.Skype.API.Client");
}
inline QString notifyMethod()
{
    return QStringLiteral("Notify");
}

} // namespace verbalink::skypedbus
