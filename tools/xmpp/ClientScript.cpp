#include "ClientScript.h"

#include "ApiChats.h"
#include "XmppWorld.h"

#include <QTimer>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

ClientScript::ClientScript(XmppWorld& world, QObject* parent) : QObject(parent), m_world(world) {}

void ClientScript::run(const QStringList& lines)
{
    m_lines += lines;
    next();
}

void ClientScript::setAttached(bool attached)
{
    m_attached = attached;
    if (attached && m_wait == Wait::Attach) {
        m_wait = Wait::None;
        next();
    }
}

void ClientScript::setOnline(bool online)
{
    m_online = online;
    if (online && m_wait == Wait::Online) {
        m_wait = Wait::None;
        next();
    }
}

void ClientScript::next()
{
    while (m_wait == Wait::None && !m_lines.isEmpty()) {
        ++m_lineNumber;
        if (!perform(m_lines.takeFirst()))
            return;
    }
}

bool ClientScript::perform(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
        return true;
    const QString word = line.section(u' ', 0, 0);
    const QString rest = line.section(u' ', 1);
    const QString target = rest.section(u' ', 0, 0);
    const QString text = rest.section(u' ', 1);
    if (word == u"type" && desktopapi::ApiChats::isValidHandle(target) && !text.isEmpty()) {
        m_world.userTypes(target, text);
    } else if (word == u"type-room" && !target.isEmpty() && !text.isEmpty()) {
        typeInRoom(target, text);
    } else if (word == u"sleep" && rest.toInt() >= 0 && !rest.isEmpty()) {
        m_wait = Wait::Sleep;
        QTimer::singleShot(rest.toInt(), this, [this] {
            m_wait = Wait::None;
            next();
        });
        return false;
    } else if (trimmed == u"wait-attach") {
        if (!m_attached) {
            m_wait = Wait::Attach;
            return false;
        }
    } else if (trimmed == u"wait-online") {
        if (!m_online) {
            m_wait = Wait::Online;
            return false;
        }
    } else if (trimmed == u"quit") {
        m_lines.clear();
        Q_EMIT quitRequested();
        return false;
    } else {
        std::fprintf(stderr, "verbalink-xmpp: script line %d: cannot read: %s\n", m_lineNumber,
                     qUtf8Printable(line));
    }
    return true;
}

void ClientScript::typeInRoom(const QString& room, const QString& text)
{
    const RoomBook::Room* joined = m_world.rooms().find(room);
    if (!joined) {
        std::fprintf(stderr, "verbalink-xmpp: script line %d: not in room %s\n", m_lineNumber,
                     qUtf8Printable(room));
        return;
    }
    m_world.userTypesIn(joined->chatName, text);
}

} // namespace verbalink::xmpp
