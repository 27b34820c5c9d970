#include "audio/VoiceChangerMenu.h"

#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "app/menu/MenuModel.h"
#include "audio/CallAudio.h"
#include "audio/VoiceChoices.h"

#include <QFileInfo>

namespace verbalink {

namespace {

constexpr int BrowseSlot = 35;
constexpr int BrowseWithFileSlot = 47;

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

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
    m_links.menu.setChecked(HearVoiceCommand, controls.hearVoice());
    m_links.menu.setChecked(HearMusicCommand, controls.hearMusic());
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
    else if (commandId == BrowseCommand)
        browse();
    else if (commandId == PlayCommand)
        play();
    else if (commandId == StopCommand)
        stop();
    else if (commandId == HearVoiceCommand || commandId == HearMusicCommand)
        toggleHear(commandId);
    else
        return false;
    return true;
}

void VoiceChangerMenu::selectPreset(int commandId, bool reroute)
{
    // An unknown stored id is "Disabled", checked and stored as such.
    const int id =
        voicechoices::isPresetCommand(commandId) ? commandId : voicechoices::NoPresetCommand;
    checkAndStore(id, QStringLiteral("VoiceChanger"));
    m_links.audio.voiceControls().setPreset(voicechoices::presetFor(id));
    voiceChosen(id, reroute);
}

void VoiceChangerMenu::selectEffect(int commandId, bool reroute)
{
    const int id =
        voicechoices::isEffectCommand(commandId) ? commandId : voicechoices::NoEffectCommand;
    checkAndStore(id, QStringLiteral("SoundChanger"));
    m_links.audio.voiceControls().setEffect(voicechoices::effectFor(id));
    voiceChosen(id, reroute);
}

void VoiceChangerMenu::selectVolume(int commandId)
{
    const int id =
        voicechoices::isVolumeCommand(commandId) ? commandId : voicechoices::DefaultVolumeCommand;
    checkAndStore(id, QStringLiteral("MusicVolume"));
    m_links.audio.voiceControls().setVolumeShift(voicechoices::volumeShiftFor(id));
}

void VoiceChangerMenu::checkAndStore(int commandId, const QString& setting)
{
    m_links.menu.checkInGroup(commandId);
    store(setting, QString::number(commandId));
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
    store(QStringLiteral("MusicPlay"), controls.musicFile());
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
    store(QStringLiteral("MusicPlayOn"), flag(on));
    // Music started during a call must reach the partner even with no voice or effect chosen.
    if (on && m_links.audio.voiceControls().changesVoice())
        m_links.audio.rerouteInputDuringCall();
}

void VoiceChangerMenu::toggleHear(int commandId)
{
    VoiceChangerControls& controls = m_links.audio.voiceControls();
    const bool voice = commandId == HearVoiceCommand;
    const bool on = !(voice ? controls.hearVoice() : controls.hearMusic());
    if (voice)
        controls.setHearVoice(on);
    else
        controls.setHearMusic(on);
    m_links.menu.setChecked(commandId, on);
    store(voice ? QStringLiteral("VoicePlayback") : QStringLiteral("MusicPlayback"), flag(on));
}

void VoiceChangerMenu::refreshMusicMenu()
{
    const VoiceChangerControls& controls = m_links.audio.voiceControls();
    const QString path = controls.musicFile();
    m_links.menu.setText(BrowseCommand, hasFile(path) ? m_links.interfaceText(BrowseWithFileSlot) +
                                                            QFileInfo(path).fileName() + u')'
                                                      : m_links.interfaceText(BrowseSlot));
    m_links.menu.checkInGroup(controls.musicOn() ? PlayCommand : StopCommand);
}

void VoiceChangerMenu::store(const QString& name, const QString& value)
{
    writeSetting(m_links.registry, QString::fromUtf16(SettingsKeyPath), name, value);
}

} // namespace verbalink
