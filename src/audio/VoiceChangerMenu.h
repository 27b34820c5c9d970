#pragma once

#include "app/i18n/InterfaceSlot.h"

#include <QString>
#include <functional>
#include <optional>

namespace verbalink {

class CallAudio;
class MenuModel;
class StoredSettings;
struct Settings;

// The "Voice Changer" submenus: the chosen voice, sound effect and music volume checked and
// stored, music played or stopped, a music file browsed for, and the two hear switches; each
// choice reaches the voice changer's controls at once.
class VoiceChangerMenu {
public:
    struct Links {
        MenuModel& menu;
        StoredSettings& settings;
        CallAudio& audio;
        std::function<QString(InterfaceSlot slot)> interfaceText;
        // The file dialog, opened in that folder; nothing when cancelled.
        std::function<std::optional<QString>(const QString& folder)> chooseMusicFile;
        // A preset or effect was chosen (the hot keys step on from it).
        std::function<void(int commandId)> chosen;
    };

    explicit VoiceChangerMenu(Links links) : m_links(std::move(links)) {}

    // The stored choices, applied as if chosen, without routing a call.
    void restore(const Settings& settings);
    // Runs one of the voice changer's commands; false for any other id.
    bool handleCommand(int commandId);
    // "Browse Audio File (name)" and the Play/Stop marks, after any relabelling.
    void refreshMusicMenu();

private:
    void selectPreset(int commandId, bool reroute);
    void selectEffect(int commandId, bool reroute);
    void selectVolume(int commandId);
    // Checks the entry alone in its group and stores its id as the option.
    void checkAndStore(int commandId, int Settings::*option);
    // A voice or effect took effect: the hot keys hear of it, a call in progress is routed again.
    void voiceChosen(int commandId, bool reroute);
    void browse();
    void play();
    void stop();
    void setMusicOn(bool on);
    void toggleHear(int commandId);

    Links m_links;
};

} // namespace verbalink
