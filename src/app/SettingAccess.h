#pragma once

#include "platform/RegistryStore.h"

#include <QByteArray>
#include <QString>

namespace verbalink {

// Reading and writing single settings with create-on-miss defaults. Every call opens the key,
// does its work and closes it; nothing is cached.

// The longest text a narrow read returns, in UTF-8 bytes.
inline constexpr qsizetype NarrowSettingLimit = 99;

// The value's text as UTF-8, cut at a character boundary to at most 99 bytes. A missing value is
// created with the default, which is then returned; when the key cannot be opened the default
// is returned and nothing is written. The text ends at the value's first NUL.
QByteArray readSetting(RegistryStore& store, RegistryRoot root, const QString& keyPath,
                       const QString& name, const QString& defaultText);
// The same under the user's root, as UTF-16 of any length.
QString readSettingWide(RegistryStore& store, const QString& keyPath, const QString& name,
                        const QString& defaultText);
// The same for the system root, which is read-only: a missing value gives the default.
QString readSettingWide(RegistryStore& store, RegistryRoot root, const QString& keyPath,
                        const QString& name, const QString& defaultText);
bool writeSetting(RegistryStore& store, const QString& keyPath, const QString& name,
                  const QString& text);
bool deleteSetting(RegistryStore& store, const QString& keyPath, const QString& name);

// A number as atoi reads it: leading white space, an optional sign, then digits up to the first
// non-digit; no digits give 0. Values beyond the int range are clamped.
int settingNumber(const QByteArray& text);

// UTF-8 of at most maxBytes, never ending inside a multi-byte sequence.
QByteArray utf8Prefix(const QString& text, qsizetype maxBytes);

} // namespace verbalink
