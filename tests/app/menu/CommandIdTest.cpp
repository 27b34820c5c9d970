#include "platform/CommandId.h"

#include "QStringPrinter.h"
#include "app/menu/MenuModel.h"
#include "app/menu/MenuResource.h"

#include <QSet>
#include <gtest/gtest.h>

namespace verbalink {
namespace {

// Every named id against the shipped tray menu: the entry with that id carries the text the
// name was given for, stores the id itself, and the ids the program adds at run time are free.
TEST(CommandId, EveryNameIsTheMenuEntryItWasWrittenFor)
{
    const MenuModel menu(MenuResource::readTrayMenu().root);
    QSet<int> ids;
    QSet<QByteArray> names;
    for (const CommandIdEntry& entry : commandIdEntries()) {
        SCOPED_TRACE(entry.name);
        EXPECT_FALSE(ids.contains(entry.id)) << "two names for " << int(entry.id);
        EXPECT_FALSE(names.contains(entry.name));
        ids.insert(entry.id);
        names.insert(entry.name);

        const MenuItem* item = menu.find(entry.id);
        if (*entry.menuText == '\0') {
            EXPECT_EQ(item, nullptr) << "run-time id " << int(entry.id) << " is taken";
            continue;
        }
        ASSERT_NE(item, nullptr) << int(entry.id);
        EXPECT_TRUE(item->isCommand());
        EXPECT_EQ(item->text(), QString::fromUtf8(entry.menuText));
        EXPECT_EQ(item->storedId(), int(entry.id));
    }
    EXPECT_GE(ids.size(), 90);
}

} // namespace
} // namespace verbalink
