#include "langtools/SpeechMenu.h"

#include "app/menu/MenuModel.h"
#include "langtools/SpeechRates.h"
#include "platform/MessageBoxPort.h"
#include "platform/SpeechPort.h"

namespace verbalink {

namespace {

const QString VoiceGroup = QStringLiteral("speech-voice");

// The first hundred voices take 5500 … 5599; the fixed entries follow at 5600 and 5601, so
// further voices continue at 5602, up to this id.
constexpr int FirstVoiceId = 5500;
constexpr int FirstRangeSize = 100;
constexpr int OverflowFirstId = 5602;
constexpr int LastVoiceId = 5999;

int voiceCommandId(int index)
{
    if (index < FirstRangeSize)
        return FirstVoiceId + index;
    const int id = OverflowFirstId + index - FirstRangeSize;
    return id <= LastVoiceId ? id : 0;
}

} // namespace

SpeechMenu::SpeechMenu(Links links, const QString& helpLabel, const QString& storedVoice,
                       int storedRate)
    : m_links(std::move(links)), m_rate(qBound(-10, storedRate, 10))
{
    build(helpLabel);
    const qsizetype stored = m_voices.indexOf(storedVoice);
    // Without a single voice (the engine did not start) the choice is not known to be gone: it
    // stays stored for a start that can read the voices.
    if (stored >= 0)
        selectVoice(int(stored));
    else if (m_voices.isEmpty())
        m_voiceSetting = storedVoice;
    if (m_links.port.available())
        m_links.port.setRate(m_rate);
}

void SpeechMenu::build(const QString& helpLabel)
{
    const MenuItem* disabled = m_links.menu.find(DisabledCommand);
    if (!disabled || !disabled->parent())
        return;
    m_submenu = m_links.menu.pathOf(disabled->parent());
    const QStringList voices = m_links.port.voices();
    for (const QString& voice : voices) {
        const int id = voiceCommandId(int(m_voices.size()));
        if (id == 0 || !m_links.menu.appendItem(m_submenu, id, voice, VoiceGroup))
            break;
        m_voices.append(voice);
    }
    m_links.menu.checkInGroup(DisabledCommand);
    m_links.menu.appendSeparator(m_submenu, SeparatorId);
    m_links.menu.appendItem(m_submenu, HelpCommand, helpLabel);
}

bool SpeechMenu::selectVoiceCommand(int commandId)
{
    const std::optional<int> index = voiceIndex(commandId);
    if (!index)
        return false;
    selectVoice(*index);
    return true;
}

void SpeechMenu::selectVoice(int index)
{
    m_links.menu.checkInGroup(voiceCommandId(index));
    m_voiceSetting = m_voices.at(index);
    if (m_links.port.available()) {
        // Two voices may share a description: the engine takes the first, as the menu does.
        m_links.port.setVoice(m_voiceSetting);
        if (m_links.log)
            m_links.log(QStringLiteral("Load new voice!"));
        m_links.port.setRate(m_rate);
    }
    setEnabled(true);
}

void SpeechMenu::disable()
{
    m_links.menu.checkInGroup(DisabledCommand);
    m_voiceSetting = QStringLiteral("0");
    setEnabled(false);
}

bool SpeechMenu::chooseRate(int commandId)
{
    const std::optional<int> rate = speechRateFor(commandId);
    if (!rate)
        return false;
    m_rate = *rate;
    if (m_links.port.available())
        m_links.port.setRate(m_rate);
    return true;
}

void SpeechMenu::showHelp()
{
    m_links.boxes.showMessage(
        QStringLiteral("With speech module you could listen to your incoming messages.\n"
                       "To activate text-to-speach just select your favourite narrator.\n"),
        QStringLiteral("Verbalink's Speech Help"), MessageBoxPort::Icon::Information);
}

bool SpeechMenu::speak(const QString& text)
{
    return m_links.port.available() && m_links.port.speak(text);
}

std::optional<int> SpeechMenu::voiceIndex(int commandId) const
{
    int index = -1;
    if (commandId >= FirstVoiceId && commandId < FirstVoiceId + FirstRangeSize)
        index = commandId - FirstVoiceId;
    else if (commandId >= OverflowFirstId && commandId <= LastVoiceId)
        index = FirstRangeSize + commandId - OverflowFirstId;
    if (index < 0 || index >= m_voices.size())
        return std::nullopt;
    return index;
}

void SpeechMenu::setEnabled(bool on)
{
    m_enabled = on;
    if (m_links.enabledChanged)
        m_links.enabledChanged(on);
}

} // namespace verbalink
