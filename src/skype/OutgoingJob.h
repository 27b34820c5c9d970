#pragma once

#include <QString>

namespace verbalink {

// One completed outgoing message waiting for the outgoing flow.
struct OutgoingJob {
    QString body;
    QString partner;
    qint32 id = 0;
};

} // namespace verbalink
