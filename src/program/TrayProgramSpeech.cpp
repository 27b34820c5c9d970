// Text-to-speech in the program: the engine on the desktop's audio output, the "Set Speech"
// menu over it, its commands and the switch the message flow reads.

#include "langtools/SpeechRates.h"
#include "platform/CommandId.h"
#include "program/TrayProgram.h"

namespace verbalink {

void TrayProgram::setUpSpeech()
{
    auto log = [this](const QString& line) {
        m_debugLog.logLine(line);
    };
    m_speech = std::make_unique<EspeakSpeech>(EspeakSpeech::Output::DefaultDevice,
                                              EspeakSpeech::Sinks{log, {}});
    const QString help = interfaceText(InterfaceSlot::Help);
    m_speechMenu = std::make_shared<SpeechMenu>(
        SpeechMenu::Links{*m_speech, *m_menu, m_boxes, log,
                          [this](bool on) {
                              m_pipeline->features().setSpeechEnabled(on);
                          }},
        help, m_settings.values().speechVoice, m_settings.values().speechRate);
    // Without an engine there is nothing to ask, and nothing to report for each message.
    if (m_speech->available())
        m_link.services().speaker.set(m_speechMenu);
    qCInfo(lcShell, "speech %s: %lld voices, voice \"%s\", rate %d",
           m_speech->available() ? "available" : "not available", qint64(m_speech->voices().size()),
           qUtf8Printable(m_speechMenu->voiceSetting()), m_speechMenu->rate());
}

void TrayProgram::registerSpeechCommands()
{
    m_commands.addRouter([this](int id) { return m_speechMenu->selectVoiceCommand(id); });
    m_commands.add(CommandId::SpeechDisabled, [this] { m_speechMenu->disable(); });
    m_commands.add(CommandId::SpeechHelp, [this] { m_speechMenu->showHelp(); });
    for (const SpeechRateEntry& entry : speechRateEntries()) {
        const int id = entry.commandId;
        m_commands.add(id, [this, id] { m_speechMenu->chooseRate(id); });
    }
}

void TrayProgram::storeSpeechSettings(Settings& latest)
{
    m_link.services().speaker.set(nullptr);
    latest.speechVoice = m_speechMenu->voiceSetting();
    latest.speechRate = m_speechMenu->rate();
}

} // namespace verbalink
