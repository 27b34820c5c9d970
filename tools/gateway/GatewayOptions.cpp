#include "gateway/GatewayOptions.h"

#include "gateway/ApertiumModes.h"

namespace verbalink::gateway {

std::optional<GatewayOptions> GatewayOptions::parse(const QStringList& arguments, QString* error)
{
    GatewayOptions options;
    options.modesFolder = QString::fromLatin1(ApertiumModes::DefaultFolder);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--help" || argument == u"-h") {
            options.help = true;
        } else if (argument == u"--exit-with-parent") {
            options.exitWithParent = true;
        } else if (argument == u"--port" && hasValue) {
            bool number = false;
            const uint port = arguments[++i].toUInt(&number);
            if (!number || port > 65535) {
                *error = QStringLiteral("--port takes a number from 0 to 65535");
                return std::nullopt;
            }
            options.port = quint16(port);
        } else if (argument == u"--modes" && hasValue) {
            options.modesFolder = arguments[++i];
        } else {
            *error = QStringLiteral("unknown or incomplete option: ") + argument;
            return std::nullopt;
        }
    }
    return options;
}

QString GatewayOptions::usage()
{
    return QStringLiteral(
        "usage: verbalink-gateway [--port N] [--modes FOLDER] [--exit-with-parent]\n"
        "Answers the translation services' requests on 127.0.0.1 with Apertium.\n"
        "  --port N            port to listen on; 0 (the default) picks a free one\n"
        "  --modes FOLDER      Apertium's modes (default /usr/share/apertium/modes)\n"
        "  --exit-with-parent  end when the process that started it ends\n"
        "Once listening it prints \"listening 127.0.0.1:PORT\"; the log goes to standard error.\n");
}

} // namespace verbalink::gateway
