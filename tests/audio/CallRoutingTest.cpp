#include "audio/CallRouting.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

struct RoutingCase {
    const char* name;
    std::function<bool(CallRouting&)> act;
    QByteArrayList sent;
    bool recordingRouted;
};

TEST(CallRoutingTest, SendsTheCommandsInOrderAndTracksRecordingRouting)
{
    const auto captureOn = [](CallRouting& r) {
        return r.routeCapture(QStringLiteral("1234"), true);
    };
    const RoutingCase cases[] = {
        {"capture on",
         captureOn,
         {R"(ALTER CALL 1234 SET_CAPTURE_MIC PORT="34343")",
          R"(ALTER CALL 1234 SET_OUTPUT PORT="34343")"},
         true},
        {"capture off",
         [&](CallRouting& r) {
             return captureOn(r) && r.routeCapture(QStringLiteral("1234"), false);
         },
         {R"(ALTER CALL 1234 SET_CAPTURE_MIC PORT="34343")",
          R"(ALTER CALL 1234 SET_OUTPUT PORT="34343")", "ALTER CALL 1234 SET_OUTPUT",
          "ALTER CALL 1234 SET_CAPTURE_MIC"},
         false},
        {"input while not recording",
         [](CallRouting& r) { return r.routeInput(QStringLiteral("77")); },
         {R"(ALTER CALL 77 SET_INPUT PORT="34356")",
          R"(ALTER CALL 77 SET_CAPTURE_MIC PORT="34343")"},
         false},
        {"input while recording",
         [&](CallRouting& r) { return captureOn(r) && r.routeInput(QStringLiteral("1234")); },
         {R"(ALTER CALL 1234 SET_CAPTURE_MIC PORT="34343")",
          R"(ALTER CALL 1234 SET_OUTPUT PORT="34343")",
          R"(ALTER CALL 1234 SET_INPUT PORT="34356")"},
         true},
        {"capture off while the voice changer reads the microphone copy",
         [&](CallRouting& r) {
             return r.routeInput(QStringLiteral("1234")) && captureOn(r) &&
                    r.routeCapture(QStringLiteral("1234"), false);
         },
         {R"(ALTER CALL 1234 SET_INPUT PORT="34356")",
          R"(ALTER CALL 1234 SET_CAPTURE_MIC PORT="34343")",
          R"(ALTER CALL 1234 SET_CAPTURE_MIC PORT="34343")",
          R"(ALTER CALL 1234 SET_OUTPUT PORT="34343")", "ALTER CALL 1234 SET_OUTPUT"},
         false},
        {"the next call after one that ended before its streams connected",
         [&](CallRouting& r) {
             captureOn(r);
             r.callFinished();
             return r.routeInput(QStringLiteral("78"));
         },
         {R"(ALTER CALL 1234 SET_CAPTURE_MIC PORT="34343")",
          R"(ALTER CALL 1234 SET_OUTPUT PORT="34343")", R"(ALTER CALL 78 SET_INPUT PORT="34356")",
          R"(ALTER CALL 78 SET_CAPTURE_MIC PORT="34343")"},
         false},
        {"capture off in the next call after a voice-changed one",
         [&](CallRouting& r) {
             r.routeInput(QStringLiteral("1234"));
             r.callFinished();
             return r.routeCapture(QStringLiteral("78"), true) &&
                    r.routeCapture(QStringLiteral("78"), false);
         },
         {R"(ALTER CALL 1234 SET_INPUT PORT="34356")",
          R"(ALTER CALL 1234 SET_CAPTURE_MIC PORT="34343")",
          R"(ALTER CALL 78 SET_CAPTURE_MIC PORT="34343")",
          R"(ALTER CALL 78 SET_OUTPUT PORT="34343")", "ALTER CALL 78 SET_OUTPUT",
          "ALTER CALL 78 SET_CAPTURE_MIC"},
         false},
        {"call ID that would end the command",
         [](CallRouting& r) {
             return r.routeCapture(QStringLiteral("1234\nALTER CALL 9 SET_INPUT"), true);
         },
         {},
         false},
        {"empty call ID",
         [](CallRouting& r) { return r.routeInput(QStringLiteral("")); },
         {},
         false},
    };
    for (const RoutingCase& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArrayList sent;
        CallRouting routing([&](const QByteArray& command) { sent << command; }, {34343, 34356});
        EXPECT_EQ(c.act(routing), !c.sent.isEmpty());
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(routing.recordingRouted(), c.recordingRouted);
    }
}

} // namespace
} // namespace verbalink
