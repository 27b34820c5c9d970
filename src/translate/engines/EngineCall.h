#pragma once

#include <QByteArray>
#include <QString>

namespace verbalink {

// The input of one outgoing engine call: the message and its two languages, already in the
// engine's codes. An empty source lets the service detect it; Yahoo and SysTran take their
// language pair as the target.
struct EngineCall {
    QString text;
    QByteArray source;
    QByteArray target;
};

} // namespace verbalink
