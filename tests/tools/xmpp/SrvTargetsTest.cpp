#include "SrvTargets.h"

#include <gtest/gtest.h>

namespace verbalink::xmpp {
namespace {

using namespace Qt::StringLiterals;
using Endpoint = SrvTargets::Endpoint;
using Record = SrvTargets::Record;

QStringList hosts(const QList<Endpoint>& endpoints)
{
    QStringList names;
    for (const Endpoint& endpoint : endpoints)
        names.append(u"%1:%2"_s.arg(endpoint.host).arg(endpoint.port));
    return names;
}

// The random numbers drawn, in turn; the bounds asked for are kept to check them.
struct Draws {
    QList<quint32> values;
    QList<quint32> bounds;
    SrvTargets::Random random()
    {
        return [this](quint32 bound) {
            bounds.append(bound);
            return values.isEmpty() ? 0 : values.takeFirst();
        };
    }
};

TEST(XmppSrvTargetsTest, RecordsAreTriedByPriorityThenByWeightAndNoneMeansTheDomainItself)
{
    const Record a{10, 60, u"a.example"_s, 5222};
    const Record b{10, 40, u"b.example"_s, 5223};
    const Record zero{10, 0, u"zero.example"_s, 5224};
    const Record later{20, 0, u"later.example"_s, 5225};
    struct Row {
        const char* what;
        QList<Record> records;
        QList<quint32> draws;
        QStringList expected;
    } const rows[] = {
        {"no records: the domain on the standard port", {}, {}, {u"example.org:5222"_s}},
        {"one record with the root target: no service", {{0, 0, u"."_s, 0}}, {}, {}},
        {"priority before weight and before the order given",
         {later, a},
         {},
         {u"a.example:5222"_s, u"later.example:5225"_s}},
        {"a draw of 61 of 100 passes a's 60 and takes b",
         {a, b},
         {61, 0},
         {u"b.example:5223"_s, u"a.example:5222"_s}},
        {"a draw of 60 is still a's", {a, b}, {60, 0}, {u"a.example:5222"_s, u"b.example:5223"_s}},
        {"a zero weight goes first and takes a draw of 0",
         {a, zero},
         {0, 0},
         {u"zero.example:5224"_s, u"a.example:5222"_s}},
        {"a root target among others is left out",
         {{5, 0, u"."_s, 0}, a},
         {0},
         {u"a.example:5222"_s}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Draws draws{row.draws, {}};
        EXPECT_EQ(hosts(SrvTargets::choose(row.records, u"example.org"_s, draws.random())),
                  row.expected);
    }
}

TEST(XmppSrvTargetsTest, EachDrawIsBoundedByTheWeightsStillLeftInItsPriority)
{
    Draws draws;
    SrvTargets::choose({{10, 60, u"a"_s, 1}, {10, 40, u"b"_s, 2}, {20, 7, u"c"_s, 3}}, {},
                       draws.random());
    EXPECT_EQ(draws.bounds, (QList<quint32>{100, 40, 7}));
}

} // namespace
} // namespace verbalink::xmpp
