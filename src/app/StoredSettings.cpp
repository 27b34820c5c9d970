#include "app/StoredSettings.h"

#include "app/RunCommand.h"
#include "app/SettingAccess.h"

#include <algorithm>
#include <limits>

namespace verbalink {

namespace {

int clampedToInt(qint64 value)
{
    // As a narrow read gives the stored number back.
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace

StoredSettings::StoredSettings(RegistryStore& store, Settings initial, QObject* parent)
    : QObject(parent), m_store(store), m_values(std::move(initial))
{}

void StoredSettings::load(const QString& defaultInstallDir)
{
    Settings loaded = loadStartupSettings(m_store, defaultInstallDir);
    QMutexLocker lock(&m_mutex);
    m_values = std::move(loaded);
}

Settings StoredSettings::snapshot() const
{
    QMutexLocker lock(&m_mutex);
    return m_values;
}

template <typename T>
bool StoredSettings::store(T Settings::*field, const T& value, bool stored)
{
    const SettingDefinition* definition = settingFor(field);
    QMutexLocker lock(&m_mutex);
    const bool differs = m_values.*field != value;
    m_values.*field = value;
    lock.unlock();
    if (differs && definition)
        Q_EMIT changed(QString::fromUtf16(definition->name));
    return stored;
}

bool StoredSettings::set(int Settings::*field, qint64 value)
{
    return store(field, clampedToInt(value), storeSetting(m_store, field, value));
}

bool StoredSettings::set(QByteArray Settings::*field, const QByteArray& value)
{
    return store(field, value, storeSetting(m_store, field, value));
}

bool StoredSettings::set(QString Settings::*field, const QString& value)
{
    return store(field, value, storeSetting(m_store, field, value));
}

bool StoredSettings::setFlag(int Settings::*field, bool on)
{
    return set(field, on ? 1 : 0);
}

bool StoredSettings::setText(const QString& name, const QString& text)
{
    const SettingDefinition* definition = settingNamed(name);
    if (!definition)
        return false;
    const bool stored = storeSettingText(m_store, *definition, text);
    return std::visit(
        [&](auto field) {
            using Field = std::remove_reference_t<decltype(m_values.*field)>;
            if constexpr (std::is_same_v<Field, int>)
                return store(field, settingNumber(text.toUtf8()), stored);
            else if constexpr (std::is_same_v<Field, QByteArray>)
                return store(field, text.toUtf8(), stored);
            else
                return store(field, text, stored);
        },
        definition->field);
}

bool StoredSettings::setRunAtLogin(bool on)
{
    const bool stored =
        on ? enableRunAtLogin(m_store, m_values.runCommand) : disableRunAtLogin(m_store);
    QMutexLocker lock(&m_mutex);
    const bool differs = m_values.runAtLogin != on;
    m_values.runAtLogin = on;
    lock.unlock();
    if (differs)
        Q_EMIT changed(QString::fromUtf16(RunValueName));
    return stored;
}

int StoredSettings::reload(int Settings::*field)
{
    const SettingDefinition* definition = settingFor(field);
    if (!definition)
        return m_values.*field;
    Settings fresh;
    loadSetting(m_store, fresh, *definition);
    QMutexLocker lock(&m_mutex);
    m_values.*field = fresh.*field;
    return fresh.*field;
}

void StoredSettings::saveAtExit(const Settings& latest)
{
    QMutexLocker lock(&m_mutex);
    for (const SettingDefinition& definition : exitSavedSettings())
        std::visit([&](auto field) { m_values.*field = latest.*field; }, definition.field);
    saveExitSettings(m_store, m_values);
}

} // namespace verbalink
