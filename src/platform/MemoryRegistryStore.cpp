#include "platform/MemoryRegistryStore.h"

namespace verbalink {

QString MemoryRegistryStore::pathKey(RegistryRoot root, const QString& keyPath)
{
    // Key paths compare without regard to case, as registry paths do.
    const QChar prefix = root == RegistryRoot::CurrentUser ? u'U' : u'M';
    return prefix + keyPath.toCaseFolded();
}

QString MemoryRegistryStore::valueKey(RegistryRoot root, const QString& keyPath,
                                      const QString& name)
{
    return pathKey(root, keyPath) + QChar(0) + name.toCaseFolded();
}

void MemoryRegistryStore::setReadOnly(RegistryRoot root, bool readOnly)
{
    QMutexLocker lock(&m_mutex);
    if (readOnly)
        m_readOnly.insert(root);
    else
        m_readOnly.remove(root);
}

int MemoryRegistryStore::writeCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_writes;
}

bool MemoryRegistryStore::createKey(RegistryRoot root, const QString& keyPath)
{
    QMutexLocker lock(&m_mutex);
    const QString key = pathKey(root, keyPath);
    if (m_keys.contains(key))
        return true;
    if (m_readOnly.contains(root))
        return false;
    m_keys.insert(key);
    return true;
}

std::optional<qsizetype> MemoryRegistryStore::valueSize(RegistryRoot root, const QString& keyPath,
                                                        const QString& name)
{
    const auto value = readValue(root, keyPath, name);
    if (!value)
        return std::nullopt;
    return value->size() * 2;
}

std::optional<QString> MemoryRegistryStore::readValue(RegistryRoot root, const QString& keyPath,
                                                      const QString& name)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_values.constFind(valueKey(root, keyPath, name));
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

bool MemoryRegistryStore::writeValue(RegistryRoot root, const QString& keyPath, const QString& name,
                                     const QString& text)
{
    QMutexLocker lock(&m_mutex);
    if (m_readOnly.contains(root))
        return false;
    m_keys.insert(pathKey(root, keyPath));
    m_values.insert(valueKey(root, keyPath, name), text);
    ++m_writes;
    return true;
}

bool MemoryRegistryStore::deleteValue(RegistryRoot root, const QString& keyPath,
                                      const QString& name)
{
    QMutexLocker lock(&m_mutex);
    if (m_readOnly.contains(root))
        return !m_values.contains(valueKey(root, keyPath, name));
    m_values.remove(valueKey(root, keyPath, name));
    return true;
}

} // namespace verbalink
