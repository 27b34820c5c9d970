#pragma once

#include "platform/MemoryRegistryStore.h"

#include <QStringList>

namespace verbalink {

// A memory registry that also lists the value names read and written, in order.
class RecordingRegistryStore : public RegistryStore {
public:
    MemoryRegistryStore memory;
    QStringList reads;
    QStringList writes;

    bool createKey(RegistryRoot root, const QString& keyPath) override
    {
        return memory.createKey(root, keyPath);
    }
    std::optional<qsizetype> valueSize(RegistryRoot root, const QString& keyPath,
                                       const QString& name) override
    {
        reads << name;
        return memory.valueSize(root, keyPath, name);
    }
    std::optional<QString> readValue(RegistryRoot root, const QString& keyPath,
                                     const QString& name) override
    {
        return memory.readValue(root, keyPath, name);
    }
    bool writeValue(RegistryRoot root, const QString& keyPath, const QString& name,
                    const QString& text) override
    {
        writes << name;
        return memory.writeValue(root, keyPath, name, text);
    }
    bool deleteValue(RegistryRoot root, const QString& keyPath, const QString& name) override
    {
        return memory.deleteValue(root, keyPath, name);
    }
};

} // namespace verbalink
