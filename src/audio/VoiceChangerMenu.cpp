#include "audio/VoiceChangerMenu.h"

#include "app/StoredSettings.h"
#include "app/menu/MenuModel.h"
#include "audio/CallAudio.h"
#include "audio/VoiceChoices.h"
#include "platform/CommandId.h"

#include <QFileInfo>

namespace verbalink {

namespace {

bool hasFile(const QString& path)
{
    return path.size() >= 2;
}

} // namespace

void VoiceChangerMenu::restore(const Settings& settings)
{
    VoiceChangerControls& controls = m_links.audio.voiceControls();
    selectPreset(settings.voiceChanger, false);
    selectEffect(settings.soundChanger, false);
    selectVolume(settings.musicVolume);
    controls.setMusicFile(settings.musicPlay);
    controls.setMusicOn(settings.musicPlayOn != 0);
    controls.setHearVoice(settings.voicePlayback != 0);
    controls.setHearMusic(settings.musicPlayback != 0);
    m_links.menu.setChecked(CommandId::HearVoice, controls.hearVoice());
    m_links.menu.setChecked(CommandId::HearMusic, controls.hearMusic());
    refreshMusicMenu();
}

bool VoiceChangerMenu::handleCommand(int commandId)
{
    if (voicechoices::isPresetCommand(commandId))
        selectPreset(commandId, true);
    else if (voicechoices::isEffectCommand(commandId))
        selectEffect(commandId, true);
    else if (voicechoices::isVolumeCommand(commandId))
        selectVolume(commandId);
    else if (commandId == CommandId::BrowseMusic)
        browse();
    else if (commandId == CommandId::PlayMusic)
        play();
    else if (commandId == CommandId::StopMusic)
        stop();
    else if (commandId == CommandId::HearVoice || commandId == CommandId::HearMusic)
        toggleHear(commandId);
    else
        return false;
    return true;
}

void VoiceChangerMenu::selectPreset(int commandId, bool reroute)
{
    // An unknown stored id is "Disabled", checked and stored as such.
    const int id = voicechoices::isPresetCommand(commandId) ? commandId : CommandId::VoiceDisabled;
    checkAndStore(id, &Settings::voiceChanger);
    m_links.audio.voiceControls().setPreset(voicechoices::presetFor(id));
    voiceChosen(id, reroute);
}

void VoiceChangerMenu::selectEffect(int commandId, bool reroute)
{
    const int id = voicechoices::isEffectCommand(commandId) ? commandId : CommandId::EffectDisabled;
    checkAndStore(id, &Settings::soundChanger);
    m_links.audio.voiceControls().setEffect(voicechoices::effectFor(id));
    voiceChosen(id, reroute);
}

void VoiceChangerMenu::selectVolume(int commandId)
{
    const int id = voicechoices::isVolumeCommand(commandId) ? commandId : CommandId::Volume25;
    checkAndStore(id, &Settings::musicVolume);
    m_links.audio.voiceControls().setVolumeShift(voicechoices::volumeShiftFor(id));
}

void VoiceChangerMenu::checkAndStore(int commandId, int Settings::*option)
{
    m_links.menu.checkInGroup(commandId);
    m_links.settings.set(option, commandId);
}

void VoiceChangerMenu::voiceChosen(int commandId, bool reroute)
{
    if (m_links.chosen)
        m_links.chosen(commandId);
    if (reroute)
        m_links.audio.rerouteInputDuringCall();
}

void VoiceChangerMenu::browse()
{
    VoiceChangerControls& controls = m_links.audio.voiceControls();
    const QString current = controls.musicFile();
    const QString folder = hasFile(current) ? QFileInfo(current).absolutePath() : QString();
    const std::optional<QString> chosen =
        m_links.chooseMusicFile ? m_links.chooseMusicFile(folder) : std::nullopt;
    if (chosen && !chosen->isEmpty())
        controls.setMusicFile(*chosen);
    // Chosen or not, music is on afterwards.
    setMusicOn(true);
    m_links.settings.set(&Settings::musicPlay, controls.musicFile());
    refreshMusicMenu();
}

void VoiceChangerMenu::play()
{
    VoiceChangerControls& controls = m_links.audio.voiceControls();
    if (controls.musicOn())
        return;
    if (!hasFile(controls.musicFile())) {
        browse();
        return;
    }
    setMusicOn(true);
    refreshMusicMenu();
}

void VoiceChangerMenu::stop()
{
    if (!m_links.audio.voiceControls().musicOn())
        return;
    setMusicOn(false);
    refreshMusicMenu();
}

void VoiceChangerMenu::setMusicOn(bool on)
{
    m_links.audio.voiceControls().setMusicOn(on);
    m_links.settings.setFlag(&Settings::musicPlayOn, on);
    // Music started during a call must reach the partner even with no voice or effect chosen.
    if (on && m_links.audio.voiceControls().changesVoice())
        m_links.audio.rerouteInputDuringCall();
}

void VoiceChangerMenu::toggleHear(int commandId)
{
    VoiceChangerControls& controls = m_links.audio.voiceControls();
    const bool voice = commandId == CommandId::HearVoice;
    const bool on = !(voice ? controls.hearVoice() : controls.hearMusic());
    if (voice)
        controls.setHearVoice(on);
    else
        controls.setHearMusic(on);
    m_links.menu.setChecked(commandId, on);
    m_links.settings.setFlag(voice ? &Settings::voicePlayback : &Settings::musicPlayback, on);
}

void VoiceChangerMenu::refreshMusicMenu()
{
    const VoiceChangerControls& controls = m_links.audio.voiceControls();
    const QString path = controls.musicFile();
    m_links.menu.setText(CommandId::BrowseMusic,
                         hasFile(path) ? m_links.interfaceText(InterfaceSlot::BrowseMusicWithFile) +
                                             QFileInfo(path).fileName() + u')'
                                       : m_links.interfaceText(InterfaceSlot::BrowseMusic));
    m_links.menu.checkInGroup(controls.musicOn() ? CommandId::PlayMusic : CommandId::StopMusic);
}

} // namespace verbalink
