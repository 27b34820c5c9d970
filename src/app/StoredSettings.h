#pragma once

#include "app/Settings.h"

#include <QMutex>
#include <QObject>
#include <QString>

namespace verbalink {

// The options as the program holds them: the record read at start, typed setters that store a
// value at once under its name in the settings table and keep the record in step, and the exit
// save. Setters may run on any thread (the update check stores its time from its own); the
// record is read on the GUI thread, and a setter on another thread writes only a field that
// nobody there reads.
class StoredSettings final : public QObject {
    Q_OBJECT
public:
    // The record starts as `initial` until load() reads the store.
    explicit StoredSettings(RegistryStore& store, Settings initial = {}, QObject* parent = nullptr);

    // The start-up read of every option in its order, the login command among them.
    void load(const QString& defaultInstallDir);
    const Settings& values() const { return m_values; }
    // A copy of the record for any thread, taken while no setter is changing it.
    Settings snapshot() const;

    // Store the value in the table's form and update the record; false when the store refused
    // it, which leaves the record changed all the same (the store reports its own errors).
    bool set(int Settings::*field, qint64 value);
    bool set(QByteArray Settings::*field, const QByteArray& value);
    bool set(QString Settings::*field, const QString& value);
    // An on/off option, stored as "1" or "0".
    bool setFlag(int Settings::*field, bool on);
    // The option the table names so, from its stored text, for forms that know names only;
    // false, and nothing stored, for a name the table does not have.
    bool setText(const QString& name, const QString& text);
    // "Run with Windows": on registers the login command when it has more than 2 characters,
    // off removes the entry; either way the record says it is on or off.
    bool setRunAtLogin(bool on);
    // Reads one option afresh into the record: another process may have changed it since.
    int reload(int Settings::*field);

    // The exit save: the exit-saved fields of `latest` go into the record and are written in
    // their order; every other field of `latest` is ignored.
    void saveAtExit(const Settings& latest);

Q_SIGNALS:
    // A setter changed the record's value of the option stored under `name`. Storing the value
    // it already had writes it again but announces nothing.
    void changed(const QString& name);

private:
    template <typename T>
    bool store(T Settings::*field, const T& value, bool stored);

    RegistryStore& m_store;
    Settings m_values;
    // Keeps a field and its stored value in step when two threads set options.
    mutable QMutex m_mutex;
};

} // namespace verbalink
