#include "platform/CommandId.h"

namespace verbalink {

std::span<const CommandIdEntry> commandIdEntries()
{
    static constexpr CommandIdEntry Entries[] = {
#define VERBALINK_COMMAND_ENTRY(name, id, text) {CommandId::name, #name, text},
        VERBALINK_COMMAND_IDS(VERBALINK_COMMAND_ENTRY)
#undef VERBALINK_COMMAND_ENTRY
    };
    return Entries;
}

} // namespace verbalink
