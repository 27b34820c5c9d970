#include "ui/ContactDialogOpener.h"

#include "WaitFor.h"

#include <QDialog>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace verbalink {
namespace {

// Contacts whose refresh waits until the test lets it end, so a command can come while it runs.
class HeldContacts {
public:
    ContactDialogOpener::Contacts contacts()
    {
        return {[this] {
                    std::unique_lock lock(m_mutex);
                    ++m_started;
                    m_changed.notify_all();
                    m_changed.wait(lock, [this] { return m_released >= m_started; });
                    return true;
                },
                [this] {
                    std::lock_guard lock(m_mutex);
                    return m_entries;
                }};
    }
    bool waitForRefreshes(int count)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(10),
                                  [&] { return m_started >= count; });
    }
    void releaseOne()
    {
        std::lock_guard lock(m_mutex);
        ++m_released;
        m_changed.notify_all();
    }
    int refreshes()
    {
        std::lock_guard lock(m_mutex);
        return m_started;
    }
    void setEntries(QStringList entries)
    {
        std::lock_guard lock(m_mutex);
        m_entries = std::move(entries);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_started = 0;
    int m_released = 0;
    QStringList m_entries;
};

struct Opened {
    DialogToggle toggle;
    QStringList contacts;
    int built = 0;
    ContactDialogOpener::Make make()
    {
        return [this](const QStringList& entries) {
            ++built;
            contacts = entries;
            return new QDialog;
        };
    }
};

TEST(ContactDialogOpener, ADialogAskedForDuringARefreshOpensAfterARefreshOfItsOwn)
{
    HeldContacts held;
    held.setEntries({QStringLiteral("Bob")});
    ContactDialogOpener opener(held.contacts());
    Opened greetings;
    Opened art;
    opener.toggle(greetings.toggle, greetings.make());
    ASSERT_TRUE(held.waitForRefreshes(1));
    // Both come while the first refresh runs; the second for the first dialog is the same request.
    opener.toggle(art.toggle, art.make());
    opener.toggle(greetings.toggle, greetings.make());
    held.setEntries({QStringLiteral("Bob"), QStringLiteral("Carol")});
    held.releaseOne();
    ASSERT_TRUE(waitFor([&] { return greetings.toggle.isOpen(); }));
    ASSERT_TRUE(held.waitForRefreshes(2));
    EXPECT_FALSE(art.toggle.isOpen()) << "opened before its own refresh";
    held.setEntries({QStringLiteral("Bob"), QStringLiteral("Carol"), QStringLiteral("Dave")});
    held.releaseOne();
    ASSERT_TRUE(waitFor([&] { return art.toggle.isOpen(); }));
    EXPECT_EQ(greetings.built, 1);
    EXPECT_EQ(greetings.contacts, (QStringList{u"Bob"_qs, u"Carol"_qs}));
    EXPECT_EQ(art.contacts, (QStringList{u"Bob"_qs, u"Carol"_qs, u"Dave"_qs}));

    // The command again closes an open dialog without asking for the contacts.
    opener.toggle(art.toggle, art.make());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(art.toggle.isOpen());
    EXPECT_EQ(held.refreshes(), 2);
}

TEST(ContactDialogOpener, KnownContactsAreEnoughWhereOnlyAnEmptyListIsRefreshed)
{
    HeldContacts held;
    ContactDialogOpener opener(held.contacts());
    Opened broadcast;
    // None known yet: refreshed all the same.
    opener.toggle(broadcast.toggle, broadcast.make(), true);
    ASSERT_TRUE(held.waitForRefreshes(1));
    held.setEntries({QStringLiteral("Bob")});
    held.releaseOne();
    ASSERT_TRUE(waitFor([&] { return broadcast.toggle.isOpen(); }));
    broadcast.toggle.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(broadcast.toggle.isOpen());

    opener.toggle(broadcast.toggle, broadcast.make(), true);
    ASSERT_TRUE(waitFor([&] { return broadcast.toggle.isOpen(); }));
    EXPECT_EQ(held.refreshes(), 1);
    EXPECT_EQ(broadcast.contacts, QStringList{u"Bob"_qs});
}

} // namespace
} // namespace verbalink
