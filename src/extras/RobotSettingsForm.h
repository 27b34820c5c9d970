#pragma once

#include <QString>

namespace verbalink {

class ChatRobot;
class MessageBoxPort;
class RegistryStore;

// What the "A.I. Talk Robot Settings" dialog does, without the widgets: shows the robot's id and
// its two answer options, resets them to the defaults, and Save applies them to the robot and
// stores RobotID, RobotTransAnswer and RobotDelayAnswer.
class RobotSettingsForm {
public:
    struct Fields {
        QString robotId;
        bool translateAnswer = false;
        bool delayAnswer = true;
    };

    enum class IdOutcome {
        Taken,
        // One character or none: the robot keeps its id.
        TooShort,
        // It would not survive the request line or the settings file: the robot keeps its id.
        Refused,
    };
    struct SaveResult {
        IdOutcome id = IdOutcome::Taken;
        // Every value was written to the settings.
        bool stored = false;
    };

    // The longest id Save takes: what a narrow setting reads back.
    static constexpr qsizetype MaxRobotId = 99;

    RobotSettingsForm(ChatRobot& robot, RegistryStore& registry, MessageBoxPort& boxes);

    // Starts a session with the robot's current values.
    Fields open();
    bool isOpen() const { return m_open; }
    // The values Reset Default shows; nothing is applied until Save.
    static Fields defaults();
    // Applies and stores the fields and ends the session. An id that is refused is explained in
    // a message box; the options are saved all the same.
    SaveResult save(const Fields& fields);
    void cancel() { m_open = false; }

    static IdOutcome checkRobotId(const QString& text);

private:
    ChatRobot& m_robot;
    RegistryStore& m_registry;
    MessageBoxPort& m_boxes;
    bool m_open = false;
};

} // namespace verbalink
