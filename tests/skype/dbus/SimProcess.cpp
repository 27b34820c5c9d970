#include "SimProcess.h"

#include <QProcessEnvironment>
#include <signal.h>

using namespace Qt::StringLiterals;

namespace verbalink::testing {

SimProcess::SimProcess(const QString& busAddress) : m_busAddress(busAddress) {}

SimProcess::~SimProcess()
{
    if (!isRunning())
        return;
    // A test may have stopped it; a stopped process ignores SIGTERM until continued.
    ::kill(pid_t(pid()), SIGCONT);
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

bool SimProcess::start(const QStringList& arguments, QString& error)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_busAddress);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(SKYPE_SIM_EXECUTABLE), arguments);
    if (!m_process.waitForStarted(10000)) {
        error = u"simulator did not start: "_s + m_process.errorString();
        return false;
    }
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(10000)) {
            error = u"simulator never said ready"_s;
            return false;
        }
    }
    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
    if (!line.startsWith(u"ready :"_s)) {
        error = u"unexpected first line: "_s + line;
        return false;
    }
    m_uniqueName = line.mid(6);
    return true;
}

void SimProcess::directive(const QString& line)
{
    m_process.write(line.toUtf8() + '\n');
    m_process.waitForBytesWritten(5000);
}

void SimProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool SimProcess::waitForExit(int timeoutMs)
{
    return !isRunning() || m_process.waitForFinished(timeoutMs);
}

} // namespace verbalink::testing
