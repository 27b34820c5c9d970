#pragma once

#include <QString>
#include <functional>

namespace verbalink {

// The chat client's contact lookups as the dialogs need them; the program binds them to its
// connection, tests to a roster of their own. An unbound lookup finds nothing, and so does an
// empty text, which would otherwise match the first contact without a full name.
struct ContactLookups {
    std::function<QString(const QString& nameOrHandle)> displayName;
    std::function<QString(const QString& nameOrHandle)> handleOf;

    QString displayNameOf(const QString& text) const
    {
        return displayName && !text.isEmpty() ? displayName(text) : QString();
    }
    QString handleFor(const QString& text) const
    {
        return handleOf && !text.isEmpty() ? handleOf(text) : QString();
    }
};

} // namespace verbalink
