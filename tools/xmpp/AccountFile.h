#pragma once

#include "XmppAccount.h"

#include <QString>

namespace verbalink::xmpp {

// The account settings in $XDG_CONFIG_HOME/Verbalink/xmpp.conf: "Name=value" lines, written
// whole to a temporary file and renamed over the old one, readable by the user alone.
class AccountFile {
public:
    explicit AccountFile(QString path) : m_path(std::move(path)) {}
    // The file in the user's configuration folder.
    static QString defaultPath();

    // False when there is no file; a line it does not know is skipped.
    bool load(XmppAccount& account) const;
    bool save(const XmppAccount& account, QString& error) const;
    const QString& path() const { return m_path; }

private:
    QString m_path;
};

} // namespace verbalink::xmpp
