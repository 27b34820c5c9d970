#include "ProgramTestFixture.h"

#include "EventWait.h"

#include <QFile>

namespace verbalink::testing {

void ProgramTestFixture::SetUp()
{
    QString error;
    ASSERT_TRUE(m_bus.start(error)) << qPrintable(error);
    m_program = std::make_unique<ProgramHome>(m_bus.address());
    m_sim = std::make_unique<SimProcess>(m_bus.address());
    ASSERT_TRUE(m_sim->start(
        {QStringLiteral("--log"), commandLog(), QStringLiteral("--messages"), messagesLog()},
        error))
        << qPrintable(error);
}

QString ProgramTestFixture::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool ProgramTestFixture::messagesShow(const QString& line)
{
    return waitUntil([&] { return readFile(messagesLog()).split(u'\n').contains(line); });
}

} // namespace verbalink::testing
