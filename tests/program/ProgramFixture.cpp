#include "ProgramFixture.h"

#include "EventWait.h"

#include <QDir>
#include <QFile>

namespace verbalink::test {

using testing::waitUntil;

void ProgramFixture::SetUp()
{
    QString error;
    ASSERT_TRUE(m_bus.start(error)) << qPrintable(error);
    ASSERT_TRUE(startSim(u"messages.log"));
    QDir().mkpath(path(u"runtime"));
    QFile::setPermissions(path(u"runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString ProgramFixture::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool ProgramFixture::messagesShow(const QString& line, int timeoutMs)
{
    return waitUntil([&] { return readFile(messagesLog()).split(u'\n').contains(line); },
                     timeoutMs);
}

void ProgramFixture::writeSettings(const QByteArray& text)
{
    QDir().mkpath(path(u"config/Verbalink"));
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

bool ProgramFixture::startSim(QStringView messagesFile)
{
    m_messagesLog = path(messagesFile);
    m_sim = std::make_unique<testing::SimProcess>(m_bus.address());
    QString error;
    const bool started = m_sim->start(
        {QStringLiteral("--log"), commandLog(), QStringLiteral("--messages"), m_messagesLog},
        error);
    EXPECT_TRUE(started) << qPrintable(error);
    return started;
}

std::unique_ptr<QProcess> ProgramFixture::launch(const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
    env.insert(QStringLiteral("HOME"), path(u"home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(u"config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(u"runtime"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("verbalink.shell.info=true"));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    QProcess* raw = process.get();
    QObject::connect(raw, &QProcess::readyReadStandardError, raw,
                     [this, raw] { m_log += QString::fromUtf8(raw->readAllStandardError()); });
    process->start(QStringLiteral(VERBALINK_EXECUTABLE), arguments);
    return process;
}

bool ProgramFixture::attached()
{
    return waitUntil([&] { return readFile(commandLog()).contains(u"GET UI_LANGUAGE"); });
}

bool ProgramFixture::logShows(const QString& text, int timeoutMs)
{
    return waitUntil([&] { return m_log.contains(text); }, timeoutMs);
}

bool ProgramFixture::terminate(QProcess& program)
{
    program.terminate();
    return waitUntil([&] { return program.state() == QProcess::NotRunning; }) &&
           program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

} // namespace verbalink::test
