#include "extras/RobotSettingsForm.h"

#include "app/Settings.h"
#include "extras/ChatRobot.h"
#include "platform/MessageBoxPort.h"

#include <algorithm>

namespace verbalink {

namespace {

// The id goes into the request's query as it is, so only characters a URL carries unescaped.
bool isUnreservedAscii(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'.' || c == u'_' || c == u'~';
}

} // namespace

RobotSettingsForm::RobotSettingsForm(ChatRobot& robot, RegistryStore& registry,
                                     MessageBoxPort& boxes)
    : m_robot(robot), m_registry(registry), m_boxes(boxes)
{}

RobotSettingsForm::Fields RobotSettingsForm::open()
{
    m_open = true;
    const ChatRobot::Options options = m_robot.options();
    return {QString::fromLatin1(options.robotId), options.translateAnswer, options.delayAnswer};
}

RobotSettingsForm::Fields RobotSettingsForm::defaults()
{
    return {QString::fromLatin1(ChatRobot::DefaultRobotId), false, true};
}

RobotSettingsForm::IdOutcome RobotSettingsForm::checkRobotId(const QString& text)
{
    if (text.size() < 2)
        return IdOutcome::TooShort;
    if (text.size() > MaxRobotId || !std::all_of(text.begin(), text.end(), isUnreservedAscii))
        return IdOutcome::Refused;
    return IdOutcome::Taken;
}

RobotSettingsForm::SaveResult RobotSettingsForm::save(const Fields& fields)
{
    SaveResult result;
    ChatRobot::Options options = m_robot.options();
    result.id = checkRobotId(fields.robotId);
    bool stored = true;
    if (result.id == IdOutcome::Taken) {
        options.robotId = fields.robotId.toLatin1();
        stored = storeSetting(m_registry, &Settings::robotId, options.robotId);
    } else if (result.id == IdOutcome::Refused) {
        m_boxes.showMessage(QStringLiteral("The robot ID was not saved: it may hold only letters, "
                                           "digits and - . _ ~, at most %1 of them.")
                                .arg(MaxRobotId),
                            QString());
    }
    options.delayAnswer = fields.delayAnswer;
    options.translateAnswer = fields.translateAnswer;
    m_robot.setOptions(options);
    stored = storeSetting(m_registry, &Settings::robotDelayAnswer, fields.delayAnswer) && stored;
    stored =
        storeSetting(m_registry, &Settings::robotTransAnswer, fields.translateAnswer) && stored;
    result.stored = stored;
    m_open = false;
    return result;
}

} // namespace verbalink
