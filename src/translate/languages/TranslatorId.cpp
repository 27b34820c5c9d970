#include "translate/languages/TranslatorId.h"

namespace verbalink {

namespace {

struct TranslatorCommand {
    TranslatorId translator;
    int commandId;
};

constexpr std::array<TranslatorCommand, 6> TranslatorCommands{{
    {TranslatorId::Google, 32900},
    {TranslatorId::Yahoo, 32901},
    {TranslatorId::Bing, 32902},
    {TranslatorId::Babylon, 32936},
    {TranslatorId::SysTran, 33109},
    {TranslatorId::Promt, 33203},
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
