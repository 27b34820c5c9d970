#pragma once

#include "translate/net/ProxySettings.h"

#include <QString>
#include <QUrl>
#include <functional>

namespace verbalink {

class ServiceConnections;

// What the Connection Settings dialog does, without the widgets: the fields it shows, the check
// box that enables them, Auto-Detect from the desktop's proxy configuration, and Save, which
// stores the six proxy values and applies them to the service connections at once.
class ConnectionSettingsForm {
public:
    // Stores one value under the options key by its name in the settings table.
    using SettingWriter = std::function<bool(const QString& name, const QString& text)>;

    enum Result { Saved = 1, Cancelled = 2 };

    ConnectionSettingsForm(SettingWriter writer, ServiceConnections& connections);

    // Fills the fields from the stored settings; the port stays empty unless above 0.
    void open(const ProxySettings& stored);
    bool isOpen() const { return m_open; }

    bool useProxy() const { return m_useProxy; }
    // The five fields (address, port, user name, password, type) are editable exactly when the
    // check box is checked.
    bool fieldsEnabled() const { return m_useProxy; }
    void setUseProxy(bool checked) { m_useProxy = checked; }

    int typeIndex() const { return m_typeIndex; }
    void setTypeIndex(int index) { m_typeIndex = index; }
    QString address() const { return m_address; }
    void setAddress(const QString& text) { m_address = text; }
    QString port() const { return m_port; }
    void setPort(const QString& text) { m_port = text; }
    QString userName() const { return m_userName; }
    void setUserName(const QString& text) { m_userName = text; }
    QString password() const { return m_password; }
    void setPassword(const QString& text) { m_password = text; }

    // Asks the desktop which proxy serves plain HTTP (Qt's system proxy query, which reads the
    // desktop settings and http_proxy/all_proxy). A proxy found checks the box and fills address
    // and port; none found clears the box. The type is left as it is; nothing is stored.
    void autoDetect();

    // Stores ProxyEnable, ProxyAddress, ProxyPort, ProxyUsername, ProxyPassword, ProxyType in
    // this order, applies them to the service connections and closes. Returns what was stored.
    ProxySettings save();
    // Closes without storing or applying anything.
    Result cancel();

    // The settings the fields stand for: texts cut to 99 bytes at a character boundary, the port
    // read up to its first non-digit, a type outside 0..2 as HTTP.
    ProxySettings fieldsAsSettings() const;

    // The leading decimal number of a text as the port field gives it: blanks, an optional sign,
    // digits; no digits give 0, and anything outside 0..65535 gives 0.
    static int portNumber(const QString& text);

private:
    SettingWriter m_writer;
    ServiceConnections& m_connections;
    QUrl m_detectionUrl;
    bool m_open = false;
    bool m_useProxy = false;
    int m_typeIndex = 0;
    QString m_address;
    QString m_port;
    QString m_userName;
    QString m_password;
};

} // namespace verbalink
