#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace verbalink::xmpp {

// Where to connect for a domain without a given server: its _xmpp-client._tcp SRV records in the
// order they are to be tried (lowest priority first, by weight within one), or the domain itself
// on the standard port when it has none.
class SrvTargets {
public:
    struct Record {
        int priority = 0;
        int weight = 0;
        QString target;
        int port = 0;
    };
    struct Endpoint {
        QString host;
        int port = 0;
        bool operator==(const Endpoint&) const = default;
    };
    // A number from 0 to bound, both included.
    using Random = std::function<quint32(quint32 bound)>;

    static constexpr int StandardPort = 5222;

    // Empty when the domain says it offers no service (a single record with the target ".").
    static QList<Endpoint> choose(QList<Record> records, const QString& domain,
                                  const Random& random);

private:
    static void takeByWeight(QList<Record>& group, QList<Endpoint>& ordered, const Random& random);
};

} // namespace verbalink::xmpp
