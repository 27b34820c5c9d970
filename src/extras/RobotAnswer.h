#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace verbalink {

// What the robot service's answer says: the conversation id when it has one, and the answer
// with its escapes undone. An answer without the conversation id is an error page, whose
// <message> text stands as the answer.
struct RobotAnswer {
    std::optional<QByteArray> conversationId;
    QString text;

    static RobotAnswer parse(QStringView response);
};

} // namespace verbalink
