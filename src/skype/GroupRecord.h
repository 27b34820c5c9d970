#pragma once

#include <QString>

namespace verbalink {

// One contact group of the chat client, by id; the friends are in the ALL_FRIENDS group.
struct GroupRecord {
    qint32 id = 0;
    QString type;
};

} // namespace verbalink
