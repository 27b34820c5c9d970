#include "PasswordFile.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

bool PasswordFile::read(const QString& path, QString& password, QString& error)
{
    // The mode is checked on the file that is read, not on a name that could change between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = path + u": "_s + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        ::close(fd);
        error = path + u": "_s + file.errorString();
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path + u": not a regular file"_s;
        return false;
    }
    if ((info.st_mode & 077) != 0) {
        error = path + u": readable by others (mode %1); it must be 0600 or stricter"_s.arg(
                           info.st_mode & 0777, 4, 8, QLatin1Char('0'));
        return false;
    }
    const QByteArray line = file.read(64 * 1024).split('\n').value(0);
    password = QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line);
    if (password.isEmpty()) {
        error = path + u": holds no password"_s;
        return false;
    }
    return true;
}

} // namespace verbalink::xmpp
