#include "app/ServiceHostSettings.h"

#include "app/SettingAccess.h"
#include "app/Settings.h"

namespace verbalink {

ServiceHosts readServiceHosts(RegistryStore& store)
{
    const QString keyPath = QString::fromUtf16(HostsKeyPath);
    auto host = [&](const char* name, const char* defaultHost) {
        return readSetting(store, RegistryRoot::CurrentUser, keyPath, QString::fromLatin1(name),
                           QString::fromLatin1(defaultHost));
    };
    ServiceHosts hosts;
    hosts.google = host("Google", "www.google.com");
    hosts.googleTranslate = host("GoogleTranslate", "translate.google.com");
    hosts.yahoo = host("Yahoo", "babelfish.yahoo.com");
    hosts.bing = host("Bing", "www.microsofttranslator.com");
    hosts.babylon = host("Babylon", "translation.babylon.com");
    hosts.sysTran = host("SysTran", "www.systranet.com");
    hosts.promt = host("Promt", "www.online-translator.com");
    hosts.pandorabots = host("Pandorabots", "www.pandorabots.com");
    hosts.productSite = host("ProductSite", "www.verbalink.app");
    return hosts;
}

} // namespace verbalink
