#include "platform/SettingsFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtDebug>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace verbalink {

namespace {

// An exclusive advisory lock on "<file>.lock", held for one read-change-write cycle. flock is
// released by the kernel when a process dies, so a crash never leaves the settings locked.
class FileLock {
public:
    explicit FileLock(const QString& path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FileLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace

SettingsFile::SettingsFile(QString path, Access access) : m_path(std::move(path)), m_access(access)
{}

SettingsFile::Load SettingsFile::load(SettingsDocument& doc) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return file.exists() ? Load::Broken : Load::Missing;
    auto parsed = SettingsDocument::parse(file.readAll());
    if (!parsed)
        return Load::Broken;
    doc = std::move(*parsed);
    return Load::Ok;
}

SettingsDocument SettingsFile::read() const
{
    SettingsDocument doc;
    Load loaded = load(doc);
    if (loaded == Load::Broken && m_access == Access::ReadOnly) {
        qWarning("Verbalink: cannot read the settings file %s; it is ignored", qPrintable(m_path));
        return SettingsDocument();
    }
    if (loaded == Load::Broken) {
        // Look again under the lock: a writer may have replaced the file meanwhile.
        FileLock lock(m_path + u".lock");
        doc = SettingsDocument();
        loaded = load(doc);
        if (loaded == Load::Broken) {
            std::optional<SettingsDocument> restored;
            if (setAside(restored) && restored && writeAtomically(*restored))
                return *restored;
            return SettingsDocument();
        }
    }
    if (loaded == Load::Ok)
        remember(doc);
    return doc;
}

bool SettingsFile::update(const std::function<bool(SettingsDocument&)>& change)
{
    if (m_access == Access::ReadOnly)
        return false;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    FileLock lock(m_path + u".lock");
    if (!lock.held())
        return false;
    SettingsDocument doc;
    const Load loaded = load(doc);
    bool restoring = false;
    if (loaded == Load::Broken) {
        std::optional<SettingsDocument> restored;
        if (!setAside(restored))
            return false;
        restoring = restored.has_value();
        doc = restored.value_or(SettingsDocument());
    } else if (loaded == Load::Ok) {
        remember(doc);
    }
    // A restored file is written even when the change itself needs no writing.
    if (!change(doc) && !restoring)
        return true;
    if (!writeAtomically(doc))
        return false;
    remember(doc);
    return true;
}

bool SettingsFile::setAside(std::optional<SettingsDocument>& restored) const
{
    if (!moveAside())
        return false;
    std::lock_guard guard(m_mutex);
    restored = m_lastGood;
    return true;
}

bool SettingsFile::moveAside() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + u".broken-" + stamp;
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = m_path + u".broken-" + stamp + u'-' + QString::number(n);
    if (!QFile::rename(m_path, target)) {
        qWarning("Verbalink: cannot move the unreadable settings file %s aside",
                 qPrintable(m_path));
        return false;
    }
    // Whatever it holds may include the proxy password: private like the file it was.
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    qWarning("Verbalink: the settings file %s could not be read; it was kept as %s and the "
             "last values read are written in its place (the defaults when there are none)",
             qPrintable(m_path), qPrintable(target));
    std::lock_guard guard(m_mutex);
    m_movedAside = target;
    return true;
}

QString SettingsFile::lastMovedAside() const
{
    std::lock_guard guard(m_mutex);
    return m_movedAside;
}

void SettingsFile::remember(const SettingsDocument& doc) const
{
    std::lock_guard guard(m_mutex);
    m_lastGood = doc;
}

bool SettingsFile::writeAtomically(const SettingsDocument& doc) const
{
    // QSaveFile writes a temporary file, flushes it to disk and renames it over the old one.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The file holds the proxy password: keep it private to the user.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray bytes = doc.serialize();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace verbalink
