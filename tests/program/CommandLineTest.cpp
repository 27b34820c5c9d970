// Every executable's command line: help and version work without a display or a bus, and an
// unknown option is refused with exit code 2.

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct Executable {
    const char* name;
    const char* path;
    const char* documentedOption;
};

const Executable Executables[] = {
    {"verbalink", VERBALINK_EXECUTABLE, "-m, -M"},
    {"verbalink-skype-sim", SKYPE_SIM_EXECUTABLE, "--script <file>"},
    {"verbalink-gateway", GATEWAY_EXECUTABLE, "--port <N>"},
};

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome run(const char* path, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(path), arguments);
    if (!process.waitForFinished(10000))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(CommandLine, HelpVersionAndUnknownOptions)
{
    for (const Executable& e : Executables) {
        SCOPED_TRACE(e.name);
        const Outcome help = run(e.path, {QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << qPrintable(help.err);
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(e.documentedOption)))
            << qPrintable(help.out);
        EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));

        const Outcome version = run(e.path, {QStringLiteral("--version")});
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_TRUE(version.out.trimmed().endsWith(QStringLiteral(" " VERBALINK_VERSION)))
            << qPrintable(version.out);

        const Outcome wrong = run(e.path, {QStringLiteral("--no-such-option")});
        EXPECT_EQ(wrong.exitCode, 2);
        EXPECT_TRUE(wrong.err.contains(QStringLiteral("Unknown option 'no-such-option'")))
            << qPrintable(wrong.err);
        EXPECT_TRUE(
            wrong.err.contains(QStringLiteral("Try '%1 --help'").arg(QLatin1String(e.name))));
    }
}

} // namespace
