#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <functional>

namespace verbalink {

class FeedbackPort;
class HotKeyPort;
class InterfaceStrings;
class MenuModel;
class MessageBoxPort;
class RegistryStore;

// The global hot keys: the modifier choice of the "Hotkeys" menu, the keys grabbed with it, and
// what a press does (feedback at the pointer, then a menu command). GUI thread only.
class HotKeys {
public:
    static constexpr int DisabledChoice = 33360;
    static constexpr int DefaultChoice = 33364; // Ctrl+Shift

    // What the presses need to know and do, supplied by the program.
    struct Links {
        std::function<bool()> translationOn;
        std::function<bool()> originalsHidden;
        std::function<bool()> encryptionOn;
        std::function<bool()> musicOn;
        std::function<const InterfaceStrings&()> strings;
        std::function<void(int commandId)> post;
        std::function<void(const QString& line)> log;
    };
    HotKeys(HotKeyPort& port, FeedbackPort& feedback, MenuModel& menu, RegistryStore& store,
            MessageBoxPort& boxes, Links links);

    static bool isChoice(int commandId) { return commandId >= 33360 && commandId <= 33365; }
    // Releases every key, grabs them again with the choice's modifiers (none for "Disabled"),
    // checks the choice and stores it as `Hotkeys`. Ids outside the choices change nothing.
    void applyChoice(int commandId);
    // The menu entries the digit keys and F9 to F12 walk; set before applyChoice. The feedback
    // shows an entry's text as the menu has it then, in the interface language of the moment.
    void setVoices(QList<int> commandIds);
    void setEffects(QList<int> commandIds);
    // A voice or effect was chosen some other way: F9 to F12 step on from it.
    void noteChoice(int commandId);

    void pressed(int hotKeyId);
    // Ids grabbed now; what another client holds is missing.
    const QSet<int>& grabbed() const { return m_grabbed; }
    // The help text of the "Help" entry, with a note where the desktop has no global keys.
    QString helpText() const;
    // The "Help" entry: the help text in an information box.
    void showHelp();
    void releaseAll();

private:
    void grabAll(int modifiers);
    void stepEffect(int step);
    void stepVoice(int step);
    void selectVoice(int index);
    void feedbackAndPost(const QString& text, int commandId);
    QString menuText(int commandId) const;

    HotKeyPort& m_port;
    FeedbackPort& m_feedback;
    MenuModel& m_menu;
    RegistryStore& m_store;
    MessageBoxPort& m_boxes;
    Links m_links;
    QList<int> m_voices;
    QList<int> m_effects;
    int m_voiceIndex = 0;
    int m_effectIndex = 0;
    QSet<int> m_grabbed;
    bool m_toldUnavailable = false;
};

} // namespace verbalink
