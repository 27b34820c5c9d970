#include "app/menu/SettingsMenuMarks.h"

#include "app/RunCommand.h"
#include "app/Settings.h"
#include "app/menu/AvatarSizeMenu.h"
#include "app/menu/MenuModel.h"
#include "platform/CommandId.h"

namespace verbalink {

namespace {

// An entry whose check mark shows an option, and whether the option checks it.
struct OptionMark {
    SettingDefinition::Field option;
    int commandId;
    bool (*checked)(const Settings&);
};

const OptionMark Marks[] = {
    {&Settings::robotUserList, CommandId::RobotUsers,
     [](const Settings& s) {
         return !s.robotUserList.isEmpty();
     }},
    {&Settings::translateOnlyList, CommandId::TranslationFilter,
     [](const Settings& s) {
         return !s.translateOnlyList.isEmpty();
     }},
    {&Settings::callAutoRecord, CommandId::VoiceRecorder,
     [](const Settings& s) {
         return s.callAutoRecord != 0;
     }},
    {&Settings::voicePlayback, CommandId::HearVoice,
     [](const Settings& s) {
         return s.voicePlayback != 0;
     }},
    {&Settings::musicPlayback, CommandId::HearMusic,
     [](const Settings& s) {
         return s.musicPlayback != 0;
     }},
    {&Settings::showTranslit, CommandId::ShowTransliteration,
     [](const Settings& s) {
         return s.showTranslit != 0;
     }},
    {&Settings::showFlags, CommandId::ShowFlags,
     [](const Settings& s) {
         return s.showFlags != 0;
     }},
    {&Settings::translateInChat, CommandId::TranslateInChat,
     [](const Settings& s) {
         return s.translateInChat != 0;
     }},
    {&Settings::encryptPopup, CommandId::DecryptedAutoPopup,
     [](const Settings& s) {
         return s.encryptPopup != 0;
     }},
};

void markAvatarSize(MenuModel& menu, const Settings& settings)
{
    // A stored size that no entry chooses checks nothing.
    for (const auto& [pixels, commandId] : avatarSizeEntries())
        menu.setChecked(commandId, settings.showAvatars == pixels);
}

bool names(SettingDefinition::Field option, QStringView name)
{
    const SettingDefinition* definition = settingFor(option);
    return definition && QStringView(definition->name) == name;
}

} // namespace

void applySettingsToMenu(MenuModel& menu, const Settings& settings)
{
    for (const OptionMark& mark : Marks)
        menu.setChecked(mark.commandId, mark.checked(settings));
    markAvatarSize(menu, settings);
    menu.setChecked(CommandId::RunAtLogin, settings.runAtLogin);
}

void applySettingToMenu(MenuModel& menu, const Settings& settings, QStringView name)
{
    for (const OptionMark& mark : Marks) {
        if (names(mark.option, name))
            menu.setChecked(mark.commandId, mark.checked(settings));
    }
    if (names(&Settings::showAvatars, name))
        markAvatarSize(menu, settings);
    if (name == QStringView(RunValueName))
        menu.setChecked(CommandId::RunAtLogin, settings.runAtLogin);
}

} // namespace verbalink
