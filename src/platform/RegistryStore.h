#pragma once

#include <QString>
#include <optional>

namespace verbalink {

// Which tree a key path lives in: the user's own settings, or the read-only system ones.
enum class RegistryRoot { CurrentUser, LocalMachine };

// A store of named string values under key paths such as "Software\Verbalink". Every call opens
// the key, does one thing and closes it again: nothing is cached, so a value changed by another
// process is seen at the next read. Values are kept exactly as written, NULs included.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // Opens the key, creating it when missing; false when it cannot be created.
    virtual bool createKey(RegistryRoot root, const QString& keyPath) = 0;
    // The stored size of a value in bytes (two per UTF-16 unit), or nothing when it is missing.
    virtual std::optional<qsizetype> valueSize(RegistryRoot root, const QString& keyPath,
                                               const QString& name) = 0;
    // The stored characters of a value, or nothing when it is missing.
    virtual std::optional<QString> readValue(RegistryRoot root, const QString& keyPath,
                                             const QString& name) = 0;
    // Writes a string value, creating the key; false when it could not be stored.
    virtual bool writeValue(RegistryRoot root, const QString& keyPath, const QString& name,
                            const QString& text) = 0;
    // Removes a value; true when it is gone afterwards (also when it never existed).
    virtual bool deleteValue(RegistryRoot root, const QString& keyPath, const QString& name) = 0;
};

} // namespace verbalink
