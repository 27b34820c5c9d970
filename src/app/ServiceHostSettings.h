#pragma once

#include "platform/RegistryStore.h"
#include "translate/net/ServiceHosts.h"

namespace verbalink {

// Reads every host under Software\Verbalink\Hosts, creating missing ones with their defaults.
ServiceHosts readServiceHosts(RegistryStore& store);

} // namespace verbalink
