#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <memory>
#include <optional>
#include <sys/types.h>

namespace verbalink::gateway {

// A program in a process group of its own, with its standard input and output ours to write and
// read; its standard error stays ours, so what it complains about reaches the log. Ending the
// object ends the program: its input is closed, and a group that does not finish is killed.
class ChildProcess {
    struct Started {
        pid_t pid;
        int input;
        int output;
    };

public:
    // Runs argv[0] (looked up in PATH) with our environment plus `extraEnvironment`
    // ("NAME=value", replacing ours). Nothing, with the reason in `error`, when it cannot start.
    static std::unique_ptr<ChildProcess>
    start(const QList<QByteArray>& argv, const QList<QByteArray>& extraEnvironment, QString* error);
    // Runs a program to its end: its output, or nothing when it could not run, failed, or took
    // longer than `timeoutMs`.
    static std::optional<QByteArray> run(const QList<QByteArray>& argv, int timeoutMs);

    explicit ChildProcess(Started started);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The writing end of its standard input: a socket, so that writing to a program that has
    // died fails (send with MSG_NOSIGNAL) instead of raising SIGPIPE.
    int input() const { return m_input; }
    // The reading end of its standard output.
    int output() const { return m_output; }
    pid_t pid() const { return m_pid; }

    // A filter sees the end of its input, finishes and exits.
    void closeInput();
    // Ends the whole group at once.
    void kill();
    // Waits for the program to exit; false when it still runs after `timeoutMs`.
    bool waitForExit(int timeoutMs);
    bool exitedWithSuccess() const { return m_exited && m_exitStatus == 0; }

private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    std::atomic<bool> m_exited{false};
    int m_exitStatus = -1;
};

} // namespace verbalink::gateway
