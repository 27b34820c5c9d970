#include "AccountFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace verbalink::xmpp {

QString AccountFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Verbalink/xmpp.conf"_s;
}

bool AccountFile::load(XmppAccount& account) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u'#') || equals <= 0)
            continue;
        const QString name = line.left(equals).trimmed().toLower();
        const QString value = line.mid(equals + 1).trimmed();
        if (name == u"jid")
            account.jid = value;
        else if (name == u"server")
            account.server = value;
        else if (name == u"allowplain")
            account.allowPlain = value == u"true";
        else if (name == u"trustedfingerprint")
            account.trustedFingerprint = value;
        else if (name == u"rooms")
            account.rooms = value.split(u',', Qt::SkipEmptyParts);
        else if (name == u"nick")
            account.nick = value;
    }
    for (QString& room : account.rooms)
        room = room.trimmed();
    return true;
}

bool AccountFile::save(const XmppAccount& account, QString& error) const
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = folder + u": cannot be made"_s;
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = m_path + u": "_s + file.errorString();
        return false;
    }
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QString text =
        u"# The XMPP account of verbalink-xmpp; the password is in the secret store.\n"
        u"Jid=%1\nServer=%2\nAllowPlain=%3\nTrustedFingerprint=%4\nRooms=%5\nNick=%6\n"_s.arg(
            account.jid, account.server, account.allowPlain ? u"true"_s : u"false"_s,
            account.trustedFingerprint, account.rooms.join(u','), account.nick);
    file.write(text.toUtf8());
    if (!file.commit()) {
        error = m_path + u": "_s + file.errorString();
        return false;
    }
    return true;
}

} // namespace verbalink::xmpp
