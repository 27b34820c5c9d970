#include "TestProcess.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace verbalink::testing {

TestProcess::~TestProcess()
{
    stop(std::chrono::seconds(10));
}

bool TestProcess::start(const QString& program, const QStringList& arguments,
                        const QString& errorFile, QString& error)
{
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    m_process.setStandardErrorFile(errorFile, QIODevice::Append);
    const pid_t parent = ::getpid();
    // The signal comes when the forking thread ends; tests start helpers on their main thread.
    m_process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::raise(SIGTERM);
    });
    m_process.start();
    if (!m_process.waitForStarted(30000)) {
        error = program + u" did not start: "_s + m_process.errorString();
        return false;
    }
    return true;
}

std::optional<QByteArray> TestProcess::readLine(QDeadlineTimer deadline)
{
    while (!m_process.canReadLine()) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return std::nullopt;
        waitForOutput(deadline);
    }
    QByteArray line = m_process.readLine();
    if (line.endsWith('\n'))
        line.chop(1);
    return line;
}

void TestProcess::waitForOutput(QDeadlineTimer deadline)
{
    const auto* application = QCoreApplication::instance();
    if (application == nullptr || application->thread() != QThread::currentThread()) {
        m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        return;
    }
    QEventLoop loop;
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &loop, &QEventLoop::quit);
    QObject::connect(&m_process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(std::max<qint64>(1, deadline.remainingTime()), &loop, &QEventLoop::quit);
    loop.exec();
}

bool TestProcess::writeLine(const QByteArray& line)
{
    if (m_process.state() != QProcess::Running)
        return false;
    if (m_process.write(line + '\n') != line.size() + 1)
        return false;
    return m_process.waitForBytesWritten(30000) || m_process.bytesToWrite() == 0;
}

void TestProcess::closeInput()
{
    m_process.closeWriteChannel();
}

bool TestProcess::stop(std::chrono::milliseconds grace)
{
    if (m_process.state() == QProcess::NotRunning)
        return true;
    m_process.terminate();
    return waitForEnd(grace);
}

bool TestProcess::waitForEnd(std::chrono::milliseconds grace)
{
    if (m_process.state() == QProcess::NotRunning)
        return true;
    if (m_process.waitForFinished(int(grace.count())))
        return true;
    m_process.kill();
    m_process.waitForFinished(10000);
    return false;
}

} // namespace verbalink::testing
