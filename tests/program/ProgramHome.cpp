#include "ProgramHome.h"

#include "EventWait.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace verbalink::testing {

ProgramHome::ProgramHome(const QString& busAddress) : m_busAddress(busAddress)
{
    QDir().mkpath(path(u"runtime"));
    QFile::setPermissions(path(u"runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool ProgramHome::writeSettings(const QByteArray& text) const
{
    QDir().mkpath(path(u"config/Verbalink"));
    QFile file(settingsFile());
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

std::unique_ptr<QProcess> ProgramHome::launch(const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_busAddress);
    env.insert(u"HOME"_s, path(u"home"));
    env.insert(u"XDG_CONFIG_HOME"_s, path(u"config"));
    env.insert(u"XDG_RUNTIME_DIR"_s, path(u"runtime"));
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"QT_LOGGING_RULES"_s, u"verbalink.shell.info=true"_s);
    for (auto extra = m_env.cbegin(); extra != m_env.cend(); ++extra)
        env.insert(extra.key(), extra.value());
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    QProcess* raw = process.get();
    QObject::connect(raw, &QProcess::readyReadStandardError, raw,
                     [this, raw] { m_log += QString::fromUtf8(raw->readAllStandardError()); });
    process->start(m_executable, arguments);
    return process;
}

bool ProgramHome::logShows(const QString& text, int timeoutMs) const
{
    return waitUntil([&] { return m_log.contains(text); }, timeoutMs);
}

} // namespace verbalink::testing
