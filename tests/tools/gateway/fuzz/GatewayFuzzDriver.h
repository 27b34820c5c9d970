#pragma once

#include <QByteArrayView>
#include <QString>

namespace verbalink::gateway::fuzz {

// Runs one input through everything the gateway does with bytes from outside: the request
// parser (with the usual and with tiny limits), the reading of service requests, the whole
// answer with a translator of the tests, the form and cookie fields, and Apertium's stream
// format both ways. Returns what broke, or an empty string when every rule held.
QString driveGateway(QByteArrayView input);

} // namespace verbalink::gateway::fuzz
