#include "skype/MessageServices.h"

namespace verbalink {

bool MessageServices::encryptionOn() const
{
    const std::shared_ptr<MessageFeatures> switches = features.get();
    return switches && switches->encryptionEnabled() && cipher.get();
}

} // namespace verbalink
