#include "translate/languages/TranslatorId.h"

#include "platform/CommandId.h"

namespace verbalink {

namespace {

struct TranslatorCommand {
    TranslatorId translator;
    int commandId;
};

constexpr std::array<TranslatorCommand, 6> TranslatorCommands{{
    {TranslatorId::Google, CommandId::TranslatorGoogle},
    {TranslatorId::Yahoo, CommandId::TranslatorYahoo},
    {TranslatorId::Bing, CommandId::TranslatorBing},
    {TranslatorId::Babylon, CommandId::TranslatorBabylon},
    {TranslatorId::SysTran, CommandId::TranslatorSysTran},
    {TranslatorId::Promt, CommandId::TranslatorPromt},
}};

} // namespace

TranslatorId translatorFromNumber(int number)
{
    if (number < 1 || number > 6)
        return TranslatorId::Google;
    return static_cast<TranslatorId>(number);
}

int translatorNumber(TranslatorId translator)
{
    return static_cast<int>(translator);
}

int translatorCommandId(TranslatorId translator)
{
    for (const TranslatorCommand& entry : TranslatorCommands) {
        if (entry.translator == translator)
            return entry.commandId;
    }
    return 0;
}

std::optional<TranslatorId> translatorForCommand(int commandId)
{
    for (const TranslatorCommand& entry : TranslatorCommands) {
        if (entry.commandId == commandId)
            return entry.translator;
    }
    return std::nullopt;
}

const std::array<TranslatorId, 6>& allTranslators()
{
    static constexpr std::array<TranslatorId, 6> Translators{
        TranslatorId::Google,  TranslatorId::Yahoo,   TranslatorId::Bing,
        TranslatorId::Babylon, TranslatorId::SysTran, TranslatorId::Promt};
    return Translators;
}

} // namespace verbalink
