#include "skype/ChatMessageEvent.h"

#include "skype/SkypeText.h"

namespace verbalink {

std::optional<ChatMessageEvent> ChatMessageEvent::parse(QStringView argument)
{
    namespace st = skypetext;
    const QList<QStringView> parts = st::tokens(argument, 3);
    if (parts.isEmpty())
        return std::nullopt;
    const std::optional<qint32> id = st::toInt32(parts[0]);
    if (!id)
        return std::nullopt;

    ChatMessageEvent event;
    event.id = *id;
    event.argument = argument.toString();
    if (parts.size() > 1) {
        event.property = parts[1].toString();
        // The anchor is searched from the property on, so the value is never taken from
        // inside the id.
        const QString anchor = event.property + u' ';
        event.value = st::textAfter(argument, anchor, st::offsetIn(argument, parts[1])).toString();
    }
    if (parts.size() > 2)
        event.status = parts[2].toString();
    return event;
}

} // namespace verbalink
