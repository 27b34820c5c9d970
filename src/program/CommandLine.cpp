#include "program/CommandLine.h"

#include <QCommandLineParser>
#include <cstdio>

namespace verbalink {

namespace {

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Translates the chat messages of a running chat client as they are sent and received.\n"
        "It lives in the system tray; starting it again opens its menu."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption alongside(
        {QStringLiteral("m"), QStringLiteral("M")},
        QStringLiteral("Start another copy beside one that is running, instead of opening the "
                       "running copy's menu."));
    parser.addOptions({help, version, alongside});

    CommandLine line;
    if (!parser.parse(arguments)) {
        print(stderr,
              QStringLiteral("verbalink: %1\nTry 'verbalink --help' for more information.\n")
                  .arg(parser.errorText()));
        line.exitCode = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("verbalink: unexpected argument '%1'\nTry 'verbalink --help' "
                                     "for more information.\n")
                          .arg(parser.positionalArguments().first()));
        line.exitCode = 2;
    } else if (parser.isSet(help)) {
        // Without an application object yet, Qt cannot name the program itself.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("verbalink")));
        line.exitCode = 0;
    } else if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Verbalink " VERBALINK_VERSION "\n"));
        line.exitCode = 0;
    }
    line.alongside = parser.isSet(alongside);
    return line;
}

} // namespace verbalink
