#include "gateway/GatewayOptions.h"

#include "gateway/ApertiumModes.h"
#include "gateway/LanguageCodes.h"

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
        parser.addOptions({help, version, port, modes, warm, exitWithParent});
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
    const QCommandLineOption warm{
        QStringLiteral("warm"),
        QStringLiteral("Start the translation between these languages before listening, so "
                       "that their first request is as fast as any other (for example "
                       "eng-spa,spa-eng)."),
        QStringLiteral("pairs")};
    const QCommandLineOption exitWithParent{
        QStringLiteral("exit-with-parent"),
        QStringLiteral("End when the process that started it ends.")};
};

// "eng-spa,en-ca": each pair's languages in three letters; nothing when one is not a pair.
std::optional<QList<ApertiumModes::Direction>> readPairs(const QStringList& values)
{
    QList<ApertiumModes::Direction> pairs;
    for (const QString& value : values) {
        for (const QString& pair : value.split(u',', Qt::SkipEmptyParts)) {
            const QStringList languages = pair.trimmed().split(u'-');
            if (languages.size() != 2)
                return std::nullopt;
            const QByteArray from = LanguageCodes::toThreeLetters(languages[0].toLatin1());
            const QByteArray to = LanguageCodes::toThreeLetters(languages[1].toLatin1());
            if (from.isEmpty() || to.isEmpty())
                return std::nullopt;
            pairs.append({from, to});
        }
    }
    return pairs;
}

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
    const std::optional<QList<ApertiumModes::Direction>> warm = readPairs(p.parser.values(p.warm));
    if (!warm) {
        *error = QStringLiteral("--warm takes pairs of languages such as eng-spa,spa-eng");
        return std::nullopt;
    }
    options.warm = *warm;
    return options;
}

QString GatewayOptions::usage()
{
    // Without an application object, Qt cannot name the program itself.
    return Parser().parser.helpText().replace(QStringLiteral("<executable_name>"),
                                              QStringLiteral("verbalink-gateway"));
}

} // namespace verbalink::gateway
