#include "app/menu/MenuResource.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(MenuResource, ReadsEntriesWithTheirOptions)
{
    const auto result = MenuResource::parse(R"({"format": 1, "items": [
        {"id": 1, "text": "One", "checked": true, "group": "g", "image": "flag-us"},
        {"separator": true, "id": 7},
        {"text": "Sub", "image": "icon", "items": [
            {"id": 2, "text": "Two", "enabled": false, "stored": 9}
        ]}]})");
    ASSERT_TRUE(result.root) << result.error.toStdString();
    const MenuItem& root = *result.root;
    ASSERT_EQ(root.childCount(), 3);

    const MenuItem* one = root.child(0);
    EXPECT_TRUE(one->isCommand());
    EXPECT_EQ(one->commandId(), 1);
    EXPECT_EQ(one->storedId(), 1);
    EXPECT_TRUE(one->isChecked());
    EXPECT_TRUE(one->isEnabled());
    EXPECT_EQ(one->group(), u"g");
    EXPECT_EQ(one->imageKey(), u"flag-us");
    EXPECT_FALSE(one->isAppended());

    EXPECT_TRUE(root.child(1)->isSeparator());
    EXPECT_EQ(root.child(1)->commandId(), 7);

    const MenuItem* sub = root.child(2);
    EXPECT_TRUE(sub->isSubmenu());
    EXPECT_EQ(sub->commandId(), 0);
    EXPECT_EQ(sub->imageKey(), u"icon");
    ASSERT_EQ(sub->childCount(), 1);
    EXPECT_EQ(sub->child(0)->parent(), sub);
    EXPECT_FALSE(sub->child(0)->isEnabled());
    EXPECT_EQ(sub->child(0)->storedId(), 9);
}

TEST(MenuResource, RefusesDamagedMenus)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "not JSON"},
        {R"({"format": 1, "items": [)", "not JSON"},
        {R"([])", "format"},
        {R"({"format": 2, "items": []})", "format"},
        {R"({"format": 1})", "items"},
        {R"({"format": 1, "items": [3]})", "not an object"},
        {R"({"format": 1, "items": [{"id": 1}]})", "without a text"},
        {R"({"format": 1, "items": [{"text": "A"}]})", "id"},
        {R"({"format": 1, "items": [{"id": 0, "text": "A"}]})", "65535"},
        {R"({"format": 1, "items": [{"id": 65536, "text": "A"}]})", "65535"},
        {R"({"format": 1, "items": [{"id": 1.5, "text": "A"}]})", "65535"},
        {R"({"format": 1, "items": [{"id": "1", "text": "A"}]})", "65535"},
        {R"({"format": 1, "items": [{"id": 1, "text": "A"}, {"id": 1, "text": "B"}]})",
         "command id 1 appears twice"},
        {R"({"format": 1, "items": [{"text": "S", "items": [{"id": 5, "text": "A"}]},
             {"id": 5, "text": "B"}]})",
         "appears twice"},
        {R"({"format": 1, "items": [{"id": 1, "text": "A", "chekced": true}]})",
         "unknown key \"chekced\""},
        {R"({"format": 1, "items": [{"id": 1, "text": "A", "checked": 1}]})", "true or false"},
        {R"({"format": 1, "items": [{"id": 1, "text": "A", "group": 3}]})", "string"},
        {R"({"format": 1, "items": [{"text": "S", "items": {}}]})", "must be a list"},
        {R"({"format": 1, "items": [{"text": "S", "id": 4, "items": []}]})", "unknown key"},
        {R"({"format": 1, "items": [{"separator": true, "text": "x"}]})", "unknown key"},
        {R"({"format": 1, "items": [{"text": "S", "items": [{"text": "T", "items": [{}]}]}]})",
         "(in \"T\")"},
    };
    for (const auto& [json, hint] : cases) {
        const auto result = MenuResource::parse(json);
        EXPECT_FALSE(result.root) << json;
        EXPECT_TRUE(result.error.contains(QLatin1String(hint)))
            << json << " gave: " << result.error.toStdString();
    }
}

TEST(MenuResource, RefusesEndlessNesting)
{
    QByteArray json = R"({"format": 1, "items": [)";
    for (int i = 0; i < 10000; ++i)
        json += R"({"text": "S", "items": [)";
    for (int i = 0; i < 10000; ++i)
        json += "]}";
    json += "]}";
    const auto result = MenuResource::parse(json);
    EXPECT_FALSE(result.root);
    EXPECT_FALSE(result.error.isEmpty());
}

} // namespace
} // namespace verbalink
