#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

namespace verbalink::testing {

// A helper process of a test that never outlives it: it gets SIGTERM when the test process dies
// (even by SIGKILL) and is stopped in the destructor. Its standard output is read line by line up
// to a deadline; its standard error goes to a file.
class TestProcess {
public:
    TestProcess() = default;
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;
    ~TestProcess();

    bool start(const QString& program, const QStringList& arguments, const QString& errorFile,
               QString& error);
    // The next line without its newline; nothing when the deadline passes or the process ends
    // first. Under a QCoreApplication the thread's events are served meanwhile, so objects of the
    // test on this thread keep working.
    std::optional<QByteArray> readLine(QDeadlineTimer deadline);
    bool writeLine(const QByteArray& line);
    // Ends its standard input; a process that ends at end of input then stops by itself.
    void closeInput();
    // SIGTERM, then SIGKILL after the grace time; waits until it is gone. False when it needed
    // SIGKILL.
    bool stop(std::chrono::milliseconds grace);
    // Waits until it ends by itself; SIGKILL after the grace time (then false).
    bool waitForEnd(std::chrono::milliseconds grace);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    int exitCode() const { return m_process.exitCode(); }

private:
    void waitForOutput(QDeadlineTimer deadline);

    QProcess m_process;
};

} // namespace verbalink::testing
