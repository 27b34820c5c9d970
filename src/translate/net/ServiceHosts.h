#pragma once

#include <QByteArray>

namespace verbalink {

// The host names of the outside services. Each may carry ":port", so that tests and local
// gateways can stand in on unprivileged ports; requests name the host exactly as configured.
// Google's connection is bound to the search host while its translate request names the
// translate host; the language-detecting request names the search host.
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
};

} // namespace verbalink
