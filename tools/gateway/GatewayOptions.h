#pragma once

#include "gateway/ApertiumModes.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace verbalink::gateway {

// The command line: verbalink-gateway [--port N] [--modes FOLDER] [--warm PAIRS]
// [--exit-with-parent], --help and --version.
struct GatewayOptions {
    quint16 port = 0;
    QString modesFolder;
    // The pairs whose pipelines start before the gateway says it is listening.
    QList<ApertiumModes::Direction> warm;
    bool exitWithParent = false;
    bool help = false;
    bool version = false;

    // Nothing, with the reason in `error`, for a command line that makes no sense.
    static std::optional<GatewayOptions> parse(const QStringList& arguments, QString* error);
    static QString usage();
};

} // namespace verbalink::gateway
