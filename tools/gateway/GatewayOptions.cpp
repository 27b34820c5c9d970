#include "gateway/GatewayOptions.h"

#include "gateway/ApertiumModes.h"

#include <QCommandLineParser>

namespace verbalink::gateway {

namespace {

struct Parser {
    Parser()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Answers the translation services' requests on 127.0.0.1 with Apertium.\n"
            "Once listening it prints \"listening 127.0.0.1:PORT\"; the log goes to standard "
            "error."));
        parser.addOptions({help, version, port, modes, exitWithParent});
    }

    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit.")};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit.")};
    const QCommandLineOption port{QStringLiteral("port"),
                                  QStringLiteral("Port to listen on; 0 (the default) picks a "
                                                 "free one."),
                                  QStringLiteral("N")};
    const QCommandLineOption modes{QStringLiteral("modes"),
                                   QStringLiteral("Apertium's modes (default %1).")
                                       .arg(QString::fromLatin1(ApertiumModes::DefaultFolder)),
                                   QStringLiteral("folder")};
    const QCommandLineOption exitWithParent{
        QStringLiteral("exit-with-parent"),
        QStringLiteral("End when the process that started it ends.")};
};

} // namespace

std::optional<GatewayOptions> GatewayOptions::parse(const QStringList& arguments, QString* error)
{
    Parser p;
    if (!p.parser.parse(arguments)) {
        *error = p.parser.errorText();
        return std::nullopt;
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument '%1'").arg(p.parser.positionalArguments()[0]);
        return std::nullopt;
    }
    GatewayOptions options;
    options.modesFolder = QString::fromLatin1(ApertiumModes::DefaultFolder);
    options.help = p.parser.isSet(p.help);
    options.version = p.parser.isSet(p.version);
    options.exitWithParent = p.parser.isSet(p.exitWithParent);
    if (p.parser.isSet(p.modes))
        options.modesFolder = p.parser.value(p.modes);
    if (p.parser.isSet(p.port)) {
        bool number = false;
        const uint port = p.parser.value(p.port).toUInt(&number);
        if (!number || port > 65535) {
            *error = QStringLiteral("--port takes a number from 0 to 65535");
            return std::nullopt;
        }
        options.port = quint16(port);
    }
    return options;
}

QString GatewayOptions::usage()
{
    // Without an application object, Qt cannot name the program itself.
    return Parser().parser.helpText().replace(QStringLiteral("<executable_name>"),
                                              QStringLiteral("verbalink-gateway"));
}

} // namespace verbalink::gateway
