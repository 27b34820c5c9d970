#pragma once

#include <QString>

namespace verbalink {

// The feature switches and the user translation filter as the message flows read them. Every
// query is called from the main thread and from workers, so answers must be thread-safe.
class MessageFeatures {
public:
    virtual ~MessageFeatures() = default;

    virtual bool translationEnabled() const = 0;
    virtual bool spellCheckEnabled() const = 0;
    virtual bool encryptionEnabled() const = 0;
    virtual bool incomingTranslationEnabled() const = 0;
    virtual bool speechEnabled() const = 0;
    // Popup size for received messages; 0 means no popups.
    virtual int avatarSize() const = 0;
    virtual bool robotUsersExist() const = 0;
    // True only when the filter has entries and they exclude this handle.
    virtual bool filterExcludes(const QString& handle) const = 0;
};

} // namespace verbalink
