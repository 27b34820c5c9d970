#include "gateway/ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace verbalink::gateway {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int GracefulExitMs = 1000;

// Our environment with the extra entries in place of ours of the same name.
QList<QByteArray> environmentWith(const QList<QByteArray>& extra)
{
    QList<QByteArray> entries = extra;
    for (char** entry = environ; entry && *entry; ++entry) {
        const QByteArray text(*entry);
        const QByteArray name = text.left(text.indexOf('=') + 1);
        bool replaced = false;
        for (const QByteArray& added : extra)
            replaced = replaced || added.startsWith(name);
        if (!replaced)
            entries.append(text);
    }
    return entries;
}

std::vector<char*> pointers(QList<QByteArray>& texts)
{
    std::vector<char*> list;
    for (QByteArray& text : texts)
        list.push_back(text.data());
    list.push_back(nullptr);
    return list;
}

// Spawn settings: a group of its own, no signal blocked, the usual signals at their defaults.
struct SpawnSettings {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;

    SpawnSettings(int input, int output)
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                                  POSIX_SPAWN_SETSIGDEF);
        posix_spawnattr_setpgroup(&attributes, 0);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int signal : {SIGPIPE, SIGINT, SIGTERM, SIGHUP})
            sigaddset(&defaults, signal);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
    }
    ~SpawnSettings()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;
};

void closeAll(std::initializer_list<int> fds)
{
    for (const int fd : fds) {
        if (fd >= 0)
            ::close(fd);
    }
}

} // namespace

std::unique_ptr<ChildProcess> ChildProcess::start(const QList<QByteArray>& argv,
                                                  const QList<QByteArray>& extraEnvironment,
                                                  QString* error)
{
    int input[2] = {-1, -1};
    int output[2] = {-1, -1};
    if (argv.isEmpty() || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, input) != 0 ||
        ::pipe2(output, O_CLOEXEC) != 0) {
        const int cause = errno;
        closeAll({input[0], input[1], output[0], output[1]});
        *error = QStringLiteral("no pipes: ") + QString::fromLocal8Bit(std::strerror(cause));
        return nullptr;
    }
    QList<QByteArray> arguments = argv;
    QList<QByteArray> environment = environmentWith(extraEnvironment);
    std::vector<char*> argumentList = pointers(arguments);
    std::vector<char*> environmentList = pointers(environment);
    pid_t pid = -1;
    int result = 0;
    {
        const SpawnSettings settings(input[1], output[1]);
        result = ::posix_spawnp(&pid, argumentList[0], &settings.actions, &settings.attributes,
                                argumentList.data(), environmentList.data());
    }
    closeAll({input[1], output[1]});
    if (result != 0) {
        closeAll({input[0], output[0]});
        *error = QString::fromUtf8(argv.first()) + QStringLiteral(": ") +
                 QString::fromLocal8Bit(std::strerror(result));
        return nullptr;
    }
    return std::make_unique<ChildProcess>(Started{pid, input[0], output[0]});
}

std::optional<QByteArray> ChildProcess::run(const QList<QByteArray>& argv, int timeoutMs)
{
    QString error;
    std::unique_ptr<ChildProcess> child = start(argv, {}, &error);
    if (!child)
        return std::nullopt;
    child->closeInput();
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    QByteArray output;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd entry{child->output(), POLLIN, 0};
        if (left.count() <= 0 || ::poll(&entry, 1, int(left.count())) <= 0)
            return std::nullopt;
        char chunk[4096];
        const ssize_t n = ::read(child->output(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        output.append(chunk, n);
    }
    if (!child->waitForExit(timeoutMs) || !child->exitedWithSuccess())
        return std::nullopt;
    return output;
}

ChildProcess::ChildProcess(Started started)
    : m_pid(started.pid), m_input(started.input), m_output(started.output)
{}

ChildProcess::~ChildProcess()
{
    closeInput();
    if (!waitForExit(GracefulExitMs)) {
        kill();
        waitForExit(GracefulExitMs);
    }
    closeAll({m_output});
}

void ChildProcess::closeInput()
{
    closeAll({m_input});
    m_input = -1;
}

void ChildProcess::kill()
{
    if (!m_exited)
        ::kill(-m_pid, SIGKILL);
}

bool ChildProcess::waitForExit(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!m_exited) {
        int status = 0;
        const pid_t done = ::waitpid(m_pid, &status, WNOHANG);
        if (done == m_pid || (done < 0 && errno != EINTR)) {
            m_exited = true;
            m_exitStatus = done == m_pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            break;
        }
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace verbalink::gateway
