#pragma once

#include "platform/RegistryStore.h"

#include <QByteArray>

namespace verbalink {

// The host names of the outside services. Each may carry ":port", so that tests and local
// gateways can stand in on unprivileged ports; requests name the host exactly as configured.
struct ServiceHosts {
    QByteArray google;
    QByteArray googleTranslate;
    QByteArray yahoo;
    QByteArray bing;
    QByteArray babylon;
    QByteArray sysTran;
    QByteArray promt;
    QByteArray pandorabots;
    QByteArray productSite;

    // Reads every host under Software\Verbalink\Hosts, creating missing ones with defaults.
    static ServiceHosts load(RegistryStore& store);
};

} // namespace verbalink
