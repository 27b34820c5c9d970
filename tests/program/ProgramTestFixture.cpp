#include "ProgramTestFixture.h"

#include "EventWait.h"

#include <QFile>

namespace verbalink::testing {

void ProgramTestFixture::SetUp()
{
    QString error;
    ASSERT_TRUE(m_bus.start(error)) << qPrintable(error);
    m_program = std::make_unique<ProgramHome>(m_bus.address());
    ASSERT_TRUE(startSim(u"messages.log"));
}

bool ProgramTestFixture::startSim(QStringView messagesFile, const QStringList& extraArguments)
{
    m_messagesLog = path(messagesFile);
    m_sim = std::make_unique<SimProcess>(m_bus.address());
    QString error;
    const bool started = m_sim->start(QStringList{QStringLiteral("--log"), commandLog(),
                                                  QStringLiteral("--messages"), m_messagesLog} +
                                          extraArguments,
                                      error);
    EXPECT_TRUE(started) << qPrintable(error);
    return started;
}

bool ProgramTestFixture::attached()
{
    return waitUntil([&] { return readFile(commandLog()).contains(u"GET UI_LANGUAGE"); });
}

bool ProgramTestFixture::terminate(QProcess& program)
{
    program.terminate();
    return waitUntil([&] { return program.state() == QProcess::NotRunning; }) &&
           program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

QString ProgramTestFixture::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool ProgramTestFixture::messagesShow(const QString& line, int timeoutMs)
{
    return waitUntil([&] { return readFile(messagesLog()).split(u'\n').contains(line); },
                     timeoutMs);
}

} // namespace verbalink::testing
