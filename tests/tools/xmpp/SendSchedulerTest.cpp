#include "SendScheduler.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace verbalink::xmpp;

namespace {

// One thing that happens to the schedule at a moment (ms): what it is, to which message.
struct Event {
    enum Kind { Attach, Detach, Type, Post, Read, Replace, Advance };
    qint64 at;
    Kind kind;
    int id = 0;
    QString chat = u"#a/$b;1"_s;
    QString body = {};
};

// What went out by a moment, in order, as "id:body", "id*body" for a correction.
using Sent = QList<std::pair<qint64, QString>>;

Sent run(const QList<Event>& events, SendScheduler& scheduler)
{
    Sent sent;
    qint64 now = 0;
    const auto collect = [&] {
        for (const Dispatch& dispatch : scheduler.takeDispatches())
            sent.append({now, QString::number(dispatch.id) + (dispatch.correction ? u'*' : u':') +
                                  dispatch.body});
    };
    for (const Event& event : events) {
        // Every wake the schedule asked for before the event, as a timer would fire it.
        while (scheduler.nextWake() && *scheduler.nextWake() <= event.at) {
            now = *scheduler.nextWake();
            scheduler.advance(now);
            collect();
        }
        now = event.at;
        switch (event.kind) {
        case Event::Attach:
            scheduler.setAttached(true, now);
            break;
        case Event::Detach:
            scheduler.setAttached(false, now);
            break;
        case Event::Type:
            scheduler.typed(event.id, event.chat,
                            event.body.isEmpty() ? u"typed %1"_s.arg(event.id) : event.body, now);
            break;
        case Event::Post:
            scheduler.posted(event.id, event.chat, u"posted %1"_s.arg(event.id), now);
            break;
        case Event::Read:
            scheduler.bodyRead(event.id);
            break;
        case Event::Replace:
            scheduler.bodyReplaced(
                event.id, event.body.isEmpty() ? u"new %1"_s.arg(event.id) : event.body, now);
            break;
        case Event::Advance:
            scheduler.advance(now);
            break;
        }
        collect();
    }
    return sent;
}

struct Scenario {
    const char* name;
    QList<Event> events;
    Sent expected;
};

using E = Event;
const QString other = u"#a/$c;2"_s;

} // namespace

TEST(SendSchedulerTest, EachMessageGoesOutOnceAtTheRightMoment)
{
    const QList<Scenario> scenarios = {
        {"without a program every message goes at once",
         {{0, E::Type, 1}, {10, E::Type, 2}},
         {{0, u"1:typed 1"_s}, {10, u"2:typed 2"_s}}},
        {"a read message waits for its replacement and goes out once, replaced",
         {{0, E::Attach}, {100, E::Type, 1}, {150, E::Read, 1}, {900, E::Replace, 1}},
         {{900, u"1:new 1"_s}}},
        {"a message nobody reads goes as typed when the read window ends",
         {{0, E::Attach}, {0, E::Type, 1}, {5000, E::Advance}},
         {{300, u"1:typed 1"_s}}},
        {"a read comes too late once the window ended",
         {{0, E::Attach}, {0, E::Type, 1}, {400, E::Read, 1}, {500, E::Replace, 1}},
         {{300, u"1:typed 1"_s}, {500, u"1*new 1"_s}}},
        {"no replacement by the deadline: sent as typed, and the next goes at once",
         {{0, E::Attach},
          {0, E::Type, 1},
          {10, E::Read, 1},
          {4000, E::Type, 2},
          {4001, E::Read, 2}},
         {{3000, u"1:typed 1"_s}, {4000, u"2:typed 2"_s}}},
        {"a replacement after the deadline corrects the last message and holding starts again",
         {{0, E::Attach},
          {0, E::Type, 1},
          {1, E::Read, 1},
          {3500, E::Replace, 1},
          {4000, E::Type, 2},
          {4010, E::Read, 2},
          {4200, E::Replace, 2}},
         {{3000, u"1:typed 1"_s}, {3500, u"1*new 1"_s}, {4200, u"2:new 2"_s}}},
        {"a replacement of a message that is no longer the chat's last is dropped",
         {{0, E::Type, 1}, {1, E::Type, 2}, {2, E::Replace, 1}},
         {{0, u"1:typed 1"_s}, {1, u"2:typed 2"_s}}},
        {"a later message of the chat waits behind a held one, even when it is ready first",
         {{0, E::Attach},
          {0, E::Type, 1},
          {1, E::Read, 1},
          {10, E::Type, 2},
          {11, E::Read, 2},
          {50, E::Replace, 2},
          {800, E::Replace, 1}},
         {{800, u"1:new 1"_s}, {800, u"2:new 2"_s}}},
        {"a message behind a held one has its windows from when it comes first",
         {{0, E::Attach},
          {0, E::Type, 1},
          {10, E::Read, 1},
          {20, E::Type, 2},
          {1000, E::Replace, 1},
          {1100, E::Read, 2},
          {1500, E::Replace, 2}},
         {{1000, u"1:new 1"_s}, {1500, u"2:new 2"_s}}},
        {"its read window then ends as any other",
         {{0, E::Attach},
          {0, E::Type, 1},
          {10, E::Read, 1},
          {20, E::Type, 2},
          {1000, E::Replace, 1},
          {5000, E::Advance}},
         {{1000, u"1:new 1"_s}, {1300, u"2:typed 2"_s}}},
        {"another chat does not wait for a held message",
         {{0, E::Attach},
          {0, E::Type, 1},
          {1, E::Read, 1},
          {10, E::Type, 2, other},
          {11, E::Read, 2},
          {20, E::Replace, 2},
          {800, E::Replace, 1}},
         {{20, u"2:new 2"_s}, {800, u"1:new 1"_s}}},
        {"a posted message is never held, but keeps its place behind a held one",
         {{0, E::Attach},
          {0, E::Type, 1},
          {1, E::Read, 1},
          {5, E::Post, 2},
          {6, E::Read, 2},
          {10, E::Post, 3, other},
          {700, E::Replace, 1}},
         {{10, u"3:posted 3"_s}, {700, u"1:new 1"_s}, {700, u"2:posted 2"_s}}},
        {"the program leaving releases every held message",
         {{0, E::Attach}, {0, E::Type, 1}, {1, E::Read, 1}, {100, E::Detach}, {200, E::Type, 2}},
         {{100, u"1:typed 1"_s}, {200, u"2:typed 2"_s}}},
        {"a new attach holds again after holding stopped",
         {{0, E::Attach},
          {0, E::Type, 1},
          {1, E::Read, 1},
          {3100, E::Detach},
          {3200, E::Attach},
          {3300, E::Type, 2},
          {3301, E::Read, 2},
          {3400, E::Replace, 2}},
         {{3000, u"1:typed 1"_s}, {3400, u"2:new 2"_s}}},
        {"a replacement before the program read the body counts too",
         {{0, E::Attach}, {0, E::Type, 1}, {100, E::Replace, 1}},
         {{100, u"1:new 1"_s}}},
        {"the placeholder while the program encrypts is no replacement: the cipher goes once",
         {{0, E::Attach},
          {0, E::Type, 1},
          {1, E::Read, 1},
          {2, E::Replace, 1, {}, u"Crypting message..."_s},
          {400, E::Replace, 1, {}, u"cipher"_s}},
         {{400, u"1:cipher"_s}}},
        {"a placeholder left alone goes by the deadline, the typed text never",
         {{0, E::Attach},
          {0, E::Type, 1},
          {2, E::Replace, 1, {}, u"Crypting message..."_s},
          {5000, E::Advance}},
         {{3000, u"1:Crypting message..."_s}}},
        {"an empty replacement goes out as it is",
         {{0, E::Attach}, {0, E::Type, 1}, {1, E::Read, 1}, {50, E::Replace, 1, {}, u" "_s}},
         {{50, u"1: "_s}}},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        SendScheduler scheduler;
        const Sent sent = run(scenario.events, scheduler);
        EXPECT_EQ(sent, scenario.expected);
        EXPECT_EQ(scheduler.waiting(), 0);
    }
}

// Translation off, ten messages typed quickly: only the first waits, and all go in order.
TEST(SendSchedulerTest, WithoutReplacementsOnlyTheFirstMessageWaits)
{
    SendScheduler scheduler;
    QList<Event> events{{0, E::Attach}};
    for (int id = 1; id <= 10; ++id) {
        events.append({id * 20, E::Type, id});
        events.append({id * 20 + 5, E::Read, id});
    }
    events.append({4000, E::Type, 11});
    events.append({4001, E::Read, 11});
    const Sent sent = run(events, scheduler);
    ASSERT_EQ(sent.size(), 11);
    for (int id = 1; id <= 10; ++id)
        EXPECT_EQ(sent.at(id - 1), std::make_pair(qint64(3020), u"%1:typed %1"_s.arg(id)));
    EXPECT_EQ(sent.at(10), std::make_pair(qint64(4000), u"11:typed 11"_s));
    EXPECT_FALSE(scheduler.isHolding());
    const QStringList notes = scheduler.takeNotes();
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes.first().startsWith(u"message 1:"_s)) << qPrintable(notes.first());
}

TEST(SendSchedulerTest, TheDeadlineIsAnOptionAndALateDropIsTold)
{
    SendScheduler scheduler(SendScheduler::Timing{100, 1000});
    const Sent sent = run({{0, E::Attach},
                           {0, E::Type, 1},
                           {50, E::Read, 1},
                           {60, E::Type, 2},
                           {1100, E::Replace, 1}},
                          scheduler);
    // The second message was held behind the first and released with it.
    EXPECT_EQ(sent, (Sent{{1000, u"1:typed 1"_s}, {1000, u"2:typed 2"_s}}));
    const QStringList notes = scheduler.takeNotes();
    ASSERT_EQ(notes.size(), 2);
    EXPECT_TRUE(notes.at(0).contains(u"1000 ms"_s)) << qPrintable(notes.at(0));
    EXPECT_TRUE(notes.at(1).contains(u"dropped"_s)) << qPrintable(notes.at(1));
    EXPECT_FALSE(scheduler.nextWake());
}
