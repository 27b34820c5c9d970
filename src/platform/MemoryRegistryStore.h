#pragma once

#include "platform/RegistryStore.h"

#include <QHash>
#include <QMutex>
#include <QSet>

namespace verbalink {

// A registry held in memory: the store for tests, and the fallback when no settings file can be
// written. A root can be made read-only to stand for a key the user may not write.
class MemoryRegistryStore final : public RegistryStore {
public:
    void setReadOnly(RegistryRoot root, bool readOnly);
    // Number of successful writes so far; lets tests check that nothing was written.
    int writeCount() const;

    bool createKey(RegistryRoot root, const QString& keyPath) override;
    std::optional<qsizetype> valueSize(RegistryRoot root, const QString& keyPath,
                                       const QString& name) override;
    std::optional<QString> readValue(RegistryRoot root, const QString& keyPath,
                                     const QString& name) override;
    bool writeValue(RegistryRoot root, const QString& keyPath, const QString& name,
                    const QString& text) override;
    bool deleteValue(RegistryRoot root, const QString& keyPath, const QString& name) override;

private:
    static QString valueKey(RegistryRoot root, const QString& keyPath, const QString& name);
    static QString pathKey(RegistryRoot root, const QString& keyPath);

    mutable QMutex m_mutex;
    QSet<QString> m_keys;
    QHash<QString, QString> m_values;
    QSet<RegistryRoot> m_readOnly;
    int m_writes = 0;
};

} // namespace verbalink
