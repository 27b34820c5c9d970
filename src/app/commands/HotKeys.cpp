#include "app/commands/HotKeys.h"

#include "app/SettingAccess.h"
#include "app/Settings.h"
#include "app/i18n/InterfaceStrings.h"
#include "app/menu/MenuModel.h"
#include "platform/FeedbackPort.h"
#include "platform/HotKeyPort.h"
#include "platform/MessageBoxPort.h"

#include <QtCore/qnamespace.h>

namespace verbalink {

namespace {

enum KeyId {
    TranslationKey = 5000,
    NextVoiceKey = 5001,
    PreviousVoiceKey = 5002,
    NextEffectKey = 5003,
    PreviousEffectKey = 5004,
    EncryptionKey = 5005,
    GreetingsKey = 5006,
    ArtKey = 5007,
    OriginalsKey = 5008,
    RobotKey = 5009,
    RecorderKey = 5010,
    MusicKey = 5011,
    FirstVoiceDigitKey = 5100,
};

struct KeyBinding {
    int id;
    int key;
};

// In the order they are grabbed. Space (5012) has no action, so it is not claimed: a global
// grab of it would take it from every other program (input-method switches use it).
constexpr KeyBinding Bindings[] = {
    {TranslationKey, Qt::Key_F1}, {OriginalsKey, Qt::Key_F2},
    {EncryptionKey, Qt::Key_F3},  {GreetingsKey, Qt::Key_F5},
    {ArtKey, Qt::Key_F6},         {RobotKey, Qt::Key_F7},
    {RecorderKey, Qt::Key_F8},    {PreviousEffectKey, Qt::Key_F9},
    {NextEffectKey, Qt::Key_F10}, {PreviousVoiceKey, Qt::Key_F11},
    {NextVoiceKey, Qt::Key_F12},  {MusicKey, Qt::Key_M},
};

// The commands the keys post.
constexpr int TranslationCommand = 32857;
constexpr int OriginalsCommand = 32858;
constexpr int EncryptionCommand = 33232;
constexpr int StopMusicCommand = 33197;
constexpr int PlayMusicCommand = 33369;

const std::pair<int, int> ChoiceModifiers[] = {
    {33361, HotKeyPort::Control},
    {33362, HotKeyPort::Alt},
    {33363, HotKeyPort::Control | HotKeyPort::Alt},
    {33364, HotKeyPort::Control | HotKeyPort::Shift},
    {33365, HotKeyPort::Alt | HotKeyPort::Shift},
};

QString slotText(const InterfaceStrings& strings, int slot)
{
    return strings.has(slot) ? strings.text(slot) : InterfaceStrings::englishText(slot);
}

} // namespace

HotKeys::HotKeys(HotKeyPort& port, FeedbackPort& feedback, MenuModel& menu, RegistryStore& store,
                 MessageBoxPort& boxes, Links links)
    : m_port(port), m_feedback(feedback), m_menu(menu), m_store(store), m_boxes(boxes),
      m_links(std::move(links))
{
    m_port.setPressHandler([this](int id) { pressed(id); });
}

void HotKeys::applyChoice(int commandId)
{
    if (!isChoice(commandId))
        return;
    m_menu.checkInGroup(commandId);
    releaseAll();
    for (const auto& [choice, modifiers] : ChoiceModifiers) {
        if (choice == commandId)
            grabAll(modifiers);
    }
    const SettingDefinition* stored = settingFor(&Settings::hotkeys);
    writeSetting(m_store, QString::fromUtf16(SettingsKeyPath), QString::fromUtf16(stored->name),
                 QString::number(commandId));
}

void HotKeys::setVoices(QList<int> commandIds)
{
    m_voices = std::move(commandIds);
    m_voiceIndex = 0;
}

void HotKeys::setEffects(QList<int> commandIds)
{
    m_effects = std::move(commandIds);
    m_effectIndex = 0;
}

void HotKeys::grabAll(int modifiers)
{
    if (!m_port.isAvailable()) {
        if (!m_toldUnavailable && m_links.log)
            m_links.log(QStringLiteral("Hot keys: this desktop offers no global keys"));
        m_toldUnavailable = true;
        return;
    }
    auto grab = [&](int id, int key) {
        if (m_port.grab(id, modifiers, key))
            m_grabbed.insert(id);
        else if (m_links.log)
            m_links.log(QStringLiteral("Hot keys: key %1 is held by another program").arg(id));
    };
    for (const KeyBinding& binding : Bindings)
        grab(binding.id, binding.key);
    for (int i = 0; i < std::min<qsizetype>(m_voices.size(), 10); ++i)
        grab(FirstVoiceDigitKey + i, Qt::Key_0 + i);
}

void HotKeys::releaseAll()
{
    for (int id : std::as_const(m_grabbed))
        m_port.release(id);
    m_grabbed.clear();
}

void HotKeys::pressed(int hotKeyId)
{
    const InterfaceStrings& strings = m_links.strings();
    auto state = [&](bool on) {
        return slotText(strings, on ? 56 : 55);
    };
    switch (hotKeyId) {
    case TranslationKey:
        feedbackAndPost(slotText(strings, m_links.translationOn() ? 0 : 1), TranslationCommand);
        return;
    case OriginalsKey:
        feedbackAndPost(slotText(strings, 2) + u": " + state(m_links.originalsHidden()),
                        OriginalsCommand);
        return;
    case EncryptionKey:
        feedbackAndPost(slotText(strings, 54) + u": " + state(m_links.encryptionOn()),
                        EncryptionCommand);
        return;
    case GreetingsKey:
        return m_links.post(33179);
    case ArtKey:
        return m_links.post(33166);
    case RobotKey:
        return m_links.post(33181);
    case RecorderKey:
        return m_links.post(33184);
    case PreviousEffectKey:
        return stepEffect(-1);
    case NextEffectKey:
        return stepEffect(1);
    case PreviousVoiceKey:
        return stepVoice(-1);
    case NextVoiceKey:
        return stepVoice(1);
    case MusicKey:
        if (m_links.musicOn())
            feedbackAndPost(QStringLiteral("Music off"), StopMusicCommand);
        else
            feedbackAndPost(QStringLiteral("Music on"), PlayMusicCommand);
        return;
    default:
        if (hotKeyId >= FirstVoiceDigitKey && hotKeyId < FirstVoiceDigitKey + m_voices.size())
            selectVoice(hotKeyId - FirstVoiceDigitKey);
    }
}

void HotKeys::noteChoice(int commandId)
{
    if (const qsizetype voice = m_voices.indexOf(commandId); voice >= 0)
        m_voiceIndex = int(voice);
    if (const qsizetype effect = m_effects.indexOf(commandId); effect >= 0)
        m_effectIndex = int(effect);
}

void HotKeys::stepEffect(int step)
{
    if (m_effects.isEmpty())
        return;
    const int count = int(m_effects.size());
    m_effectIndex = ((m_effectIndex + step) % count + count) % count;
    const int effect = m_effects.at(m_effectIndex);
    feedbackAndPost(u"Sound effect: " + menuText(effect).left(100), effect);
}

void HotKeys::stepVoice(int step)
{
    if (m_voices.isEmpty())
        return;
    const int count = int(m_voices.size());
    selectVoice(((m_voiceIndex + step) % count + count) % count);
}

void HotKeys::selectVoice(int index)
{
    // Only a change is shown and posted: the digit of the current voice does nothing.
    if (index == m_voiceIndex)
        return;
    m_voiceIndex = index;
    const int voice = m_voices.at(index);
    feedbackAndPost(u"Voice type: " + menuText(voice), voice);
}

QString HotKeys::menuText(int commandId) const
{
    const MenuItem* item = m_menu.find(commandId);
    return item ? item->text() : QString();
}

void HotKeys::feedbackAndPost(const QString& text, int commandId)
{
    m_feedback.showFeedback(text);
    m_links.post(commandId);
}

QString HotKeys::helpText() const
{
    QString text = QStringLiteral(
        "Hotkey+F1\tRealtime translation (on/off)\nHotkey+F2\tOriginal message (show/hide)\n"
        "Hotkey+F3\tEncrypt messages (on/off)\nHotkey+F5\tGreetings dialog (show/hide)\n"
        "Hotkey+F6\tFun&Art Message (show/hide)\nHotkey+F7\tA.I. Talk Robot (show/hide)\n"
        "Hotkey+F8\tVoice Call Recorder (show/hide)\nHotkey+F9\tSound effect (down)\n"
        "Hotkey+F10\tSound effect (up)\nHotkey+F11\tVoice effect (down)\n"
        "Hotkey+F12\tVoice effect (up)\nHotkey+(0-9)\tSelect voice effect\n"
        "Hotkey+M\tPlay/Stop Music file\n");
    if (!m_port.isAvailable())
        text +=
            QStringLiteral("\nThis desktop session offers no global hot keys (they need X11).\n");
    return text;
}

void HotKeys::showHelp()
{
    m_boxes.showMessage(helpText(), QStringLiteral("Verbalink's Hotkeys"),
                        MessageBoxPort::Icon::Information);
}

} // namespace verbalink
