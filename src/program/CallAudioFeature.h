#pragma once

#include "audio/CallAudio.h"
#include "audio/RecorderForm.h"
#include "audio/VoiceChangerMenu.h"
#include "ui/ContactDialogOpener.h"
#include "ui/DialogToggle.h"

#include <QObject>
#include <functional>

namespace verbalink {

class Clock;
class MenuModel;
class MessageBoxPort;
class RegistryStore;
class ShellPort;
class SkypeConnection;
struct Settings;

// The call audio machinery plugged into the link: calls that start are routed to the recorder
// when automatic recording is on and to the voice changer when it changes anything; "Voice Call
// Recorder" opens or closes its dialog, and the voice changer's menus choose what it does.
class CallAudioFeature : public QObject {
    Q_OBJECT
public:
    struct Links {
        SkypeConnection& link;
        const Clock& clock;
        RegistryStore& registry;
        MessageBoxPort& boxes;
        ShellPort& shell;
        MenuModel& menu;
        // A text of the interface string table.
        std::function<QString(int slot)> interfaceText;
        std::function<void(const QString&)> log;
        // A voice or effect was chosen in the menu.
        std::function<void(int commandId)> voiceChosen;
    };

    explicit CallAudioFeature(Links links, CallAudio::Ports ports = CallAudio::ClientPorts);
    ~CallAudioFeature() override;

    // Starts the servers and the engine with the stored options; false when audio cannot run.
    bool start(const QString& documentsFolder, const Settings& settings);
    // Runs "Voice Call Recorder" and the voice changer's commands; false for any other.
    bool handleCommand(int commandId);
    // After the menu was relabelled in another language.
    void refreshMusicMenu() { m_voiceMenu.refreshMusicMenu(); }
    const CallAudio& audio() const { return m_audio; }

Q_SIGNALS:
    void opened(const QString& title);

private:
    void connectCallEvents();
    void toggleRecorderDialog();
    std::optional<QString> chooseMusicFile(const QString& folder);

    Links m_links;
    CallAudio m_audio;
    RecorderForm m_form;
    VoiceChangerMenu m_voiceMenu;
    ContactDialogOpener m_opener;
    DialogToggle m_dialog;
};

} // namespace verbalink
