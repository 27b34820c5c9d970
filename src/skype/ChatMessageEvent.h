#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace verbalink {

// One parsed CHATMESSAGE (or MESSAGE) notification: `<id> <property> <status or value>`.
struct ChatMessageEvent {
    qint32 id = 0;
    // STATUS, CHATNAME, FROM_HANDLE, BODY or anything else.
    QString property;
    // The third token; meaningful when the property is STATUS.
    QString status;
    // The raw text after "<property> ", keeping commas, tabs and repeated spaces.
    QString value;
    // The whole argument text, for rules that look at it unsplit (the chat name's partner).
    QString argument;

    // Nothing when the first token is not a signed 32-bit integer.
    static std::optional<ChatMessageEvent> parse(QStringView argument);
};

} // namespace verbalink
