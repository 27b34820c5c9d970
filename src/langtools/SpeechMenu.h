#pragma once

#include "app/menu/MenuItem.h"
#include "skype/MessageSpeaker.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace verbalink {

class MenuModel;
class MessageBoxPort;
class SpeechPort;

// The "Set Speech" submenu and the speech state behind it: the engine's voices as entries, the
// chosen voice (or "Disabled") and rate, and the help box. While a voice is chosen the flag is
// on, and received messages handed to speak() go to the engine.
class SpeechMenu final : public MessageSpeaker {
public:
    static constexpr int DisabledCommand = 33053;
    static constexpr int HelpCommand = 5600;
    static constexpr int SeparatorId = 5601;

    struct Links {
        SpeechPort& port;
        MenuModel& menu;
        MessageBoxPort& boxes;
        std::function<void(const QString& line)> log;
        // The enabled flag changed; also called when the stored voice is restored.
        std::function<void(bool enabled)> enabledChanged;
    };

    // Appends the voices, the separator and "Help" (helpLabel) to the submenu of "Disabled",
    // then restores the stored voice by its description and the stored rate. Without any voice
    // the stored description is kept as the value to store, and speech stays off.
    SpeechMenu(Links links, const QString& helpLabel, const QString& storedVoice, int storedRate);

    // A voice entry's command: selects that voice. False for any other id.
    bool selectVoiceCommand(int commandId);
    void disable();
    // A rate command: sets the rate and applies it at once. False for any other id.
    bool chooseRate(int commandId);
    void showHelp();

    bool speak(const QString& text) override;

    bool enabled() const { return m_enabled; }
    // What `SpeechVoice` stores: the chosen voice's description, or "0" for none.
    const QString& voiceSetting() const { return m_voiceSetting; }
    int rate() const { return m_rate; }

private:
    void build(const QString& helpLabel);
    void selectVoice(int index);
    std::optional<int> voiceIndex(int commandId) const;
    void setEnabled(bool on);

    Links m_links;
    MenuPath m_submenu;
    QStringList m_voices;
    QString m_voiceSetting = QStringLiteral("0");
    int m_rate = 0;
    bool m_enabled = false;
};

} // namespace verbalink
