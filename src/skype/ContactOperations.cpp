#include "skype/ContactOperations.h"

#include "platform/Clock.h"
#include "skype/ContactList.h"
#include "skype/ServiceSlot.h"
#include "skype/SkypeChannel.h"
#include "skype/TextArtTable.h"

#include <QDir>
#include <QFile>

namespace verbalink {

namespace {

constexpr qint64 PollMs = 1;
const QByteArray DefaultLanguage = QByteArrayLiteral("en");

// A handle that names a file inside the avatar folder. Handles added by postMessageTo come
// from the user or a feature, so one like "../x" must not reach outside the folder.
bool isSafeFileName(const QString& handle)
{
    return !handle.isEmpty() && handle != u"." && handle != u".." && !handle.contains(u'/') &&
           !handle.contains(QChar(0));
}

} // namespace

ContactOperations::ContactOperations(ContactList& contacts, SkypeChannel& channel, Clock& clock,
                                     const ServiceSlot<TextArtTable>& textArt,
                                     std::thread::id dispatchThread)
    : m_contacts(contacts), m_channel(channel), m_clock(clock), m_textArt(textArt),
      m_dispatchThread(dispatchThread)
{}

ContactOperations::~ContactOperations()
{
    m_stopping = true;
    m_backgroundRefresh.stop();
}

bool ContactOperations::refreshContacts()
{
    if (onDispatchThread() || !m_contacts.beginRefresh())
        return false;
    {
        std::lock_guard lock(m_previousMutex);
        m_previous = m_contacts.contacts();
    }
    m_contacts.clearContacts();
    m_contacts.setUsersPending(true);
    m_channel.sendToAll(QByteArrayLiteral("SEARCH GROUPS HARDWIRED"));
    // Bounded by elapsed time, not by counted sleeps, so a coarse timer cannot stretch them.
    const qint64 usersStart = m_clock.nowMs();
    while (m_contacts.usersPending() && waiting(usersStart, UsersWaitMs))
        m_clock.sleepMs(PollMs);
    const qint64 detailsStart = m_clock.nowMs();
    while (!m_contacts.allDetailsReceived() && waiting(detailsStart, DetailsWaitMs))
        m_clock.sleepMs(PollMs);
    m_contacts.endRefresh();
    return true;
}

QStringList ContactOperations::contactEntries()
{
    // A refresh ends within its own bounds, so this wait does too.
    while (m_contacts.refreshRunning())
        m_clock.sleepMs(PollMs);
    return m_contacts.displayNames();
}

bool ContactOperations::waiting(qint64 startMs, qint64 limitMs) const
{
    return !m_stopping && m_clock.nowMs() - startMs < limitMs;
}

QByteArray ContactOperations::partnerLanguage(const QString& handle)
{
    std::optional<QByteArray> language = m_contacts.languageOf(handle);
    // While the list is refilled, the one before the refresh answers.
    if (!language && m_contacts.refreshRunning())
        language = previousLanguageOf(handle);
    if (!language) {
        refreshInBackground();
        return DefaultLanguage;
    }
    // A contact that never reported its language is treated as the default too.
    return language->isEmpty() ? DefaultLanguage : *language;
}

std::optional<QByteArray> ContactOperations::previousLanguageOf(const QString& handle) const
{
    std::lock_guard lock(m_previousMutex);
    for (const ContactRecord& contact : m_previous) {
        if (contact.handle == handle)
            return contact.language;
    }
    return std::nullopt;
}

void ContactOperations::refreshInBackground()
{
    // The caller (the outgoing worker) does not wait: the list is for later messages.
    if (!m_contacts.refreshRunning())
        m_backgroundRefresh.start([this] { refreshContacts(); });
}

bool ContactOperations::postMessageTo(const QString& name, const QString& text, bool onlyKnown)
{
    const std::optional<QString> handle =
        m_contacts.setPendingMessageByName(name, text, !onlyKnown);
    if (!handle)
        return false;
    requestChat(*handle);
    return true;
}

bool ContactOperations::postArtMessageTo(const QString& name, const QString& effect)
{
    const std::shared_ptr<TextArtTable> table = m_textArt.get();
    const std::optional<QString> picture = table ? table->picture(effect) : std::nullopt;
    if (!picture)
        return false;
    const std::optional<QString> handle = m_contacts.setPendingMessageByName(name, *picture, false);
    if (!handle)
        return false;
    requestChat(*handle);
    return true;
}

void ContactOperations::requestChat(const QString& handle)
{
    m_channel.sendToAll(u"CHAT CREATE " % handle);
}

QString ContactOperations::avatarPath(const QString& avatarFolder, const QString& handle)
{
    if (!isSafeFileName(handle))
        return {};
    return QDir(avatarFolder).filePath(handle + u".jpg");
}

void ContactOperations::refreshAvatars(const QString& avatarFolder)
{
    QStringList requests;
    for (const QString& handle : m_contacts.handles()) {
        const QString path = avatarPath(avatarFolder, handle);
        if (path.isEmpty())
            continue;
        // Deleted first, so a picture the client cannot provide does not linger.
        QFile::remove(path);
        requests.append(u"GET USER " % handle % u" AVATAR 1 " % path);
    }
    for (const QString& request : requests)
        m_channel.sendToAll(request);
}

} // namespace verbalink
