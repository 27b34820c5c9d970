#include "translate/text/MarkerExtraction.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace verbalink;
using namespace Qt::StringLiterals;

TEST(MarkerExtraction, TakesTheTextBetweenTheMarkers)
{
    const QString response = u"HTTP/1.0 200 OK\r\n\r\n<result>Hallo</result><result>2</result>"_s;
    EXPECT_EQ(extractBetweenMarkers(response, u"<result>", u"</result>", MissingEnd::Fail),
              u"Hallo"_s);
    const std::optional<MarkedSpan> span =
        findMarkedSpan(response, u"<result>", u"</result>", MissingEnd::Fail);
    ASSERT_TRUE(span);
    EXPECT_EQ(response.mid(span->begin, span->end - span->begin), u"Hallo"_s);
    EXPECT_TRUE(span->endFound);
}

TEST(MarkerExtraction, AbsentMarkersAndMissingEnds)
{
    const QString response = u"xx\"trans\":\"Bonjour"_s;
    const struct {
        QString text;
        const char16_t* start;
        const char16_t* end;
        MissingEnd missingEnd;
        std::optional<QString> expected;
    } cases[] = {
        {response, u"\"trans\":\"", u"\",", MissingEnd::RunToEnd, u"Bonjour"_s},
        {response, u"\"trans\":\"", u"\",", MissingEnd::Fail, std::nullopt},
        {response, u"xx", u"\"", MissingEnd::Fail, std::nullopt}, // at position 0: absent
        {response, u"nowhere", u"\"", MissingEnd::RunToEnd, std::nullopt},
        {response, u"", u"\"", MissingEnd::RunToEnd, std::nullopt},
        {u"a<b></b>"_s, u"<b>", u"</b>", MissingEnd::Fail, QString()}, // empty field
        {u"a<b>rest"_s, u"<b>", u"", MissingEnd::Fail, u"rest"_s},     // no end marker: to the end
        {u"a</b><b>x"_s, u"<b>", u"</b>", MissingEnd::Fail, std::nullopt}, // end only before start
        {u"ab"_s, u"b", u"b", MissingEnd::RunToEnd, QString()},            // start at the very end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(extractBetweenMarkers(c.text, c.start, c.end, c.missingEnd), c.expected)
            << c.text.toStdString() << " / " << QString::fromUtf16(c.start).toStdString();
    }
}
