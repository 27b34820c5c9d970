#pragma once

#include <QByteArray>

namespace verbalink {

// The hosts the engines name in their requests, each as configured ("name" or "name:port").
// Google's connection is bound to the search host while its translate request names the
// translate host; the language-detecting request names the search host.
struct EngineHosts {
    QByteArray google;
    QByteArray googleTranslate;
    QByteArray yahoo;
    QByteArray bing;
    QByteArray babylon;
    QByteArray sysTran;
    QByteArray promt;
};

} // namespace verbalink
