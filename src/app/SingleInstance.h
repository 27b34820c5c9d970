#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace verbalink {

// One running copy per user and name. The first start listens on a per-user local socket; a
// later start hands the user over to it (asks it to open its tray menu) and leaves.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // folder: where the socket and its lock live (the user's runtime folder).
    SingleInstance(QString folder, QString name, QObject* parent = nullptr);

    enum class Role { Primary, HandedOver, Failed };
    // Becomes the primary copy, or asks the running one to open its menu.
    Role claim();
    QString socketPath() const { return m_folder + u'/' + m_name; }

Q_SIGNALS:
    // A later start asked this copy to open its tray menu.
    void menuRequested();

private:
    bool handOver();
    void readRequest(QLocalSocket* socket);

    QString m_folder;
    QString m_name;
    QLocalServer m_server;
};

} // namespace verbalink
