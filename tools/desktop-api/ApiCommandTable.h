#pragma once

#include "ApiResponse.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace verbalink::desktopapi {

// Command handlers keyed by their leading words ("PING", "GET UI_LANGUAGE"); the longest
// matching key wins, so "GET USER" and "GET CHATMESSAGE" can live side by side.
class ApiCommandTable {
public:
    // Receives the text after the key and its separating space.
    using Handler = std::function<ApiResponse(const QString& arguments)>;

    struct Match {
        Handler handler;
        QString arguments;
    };

    // A key that is there already gets the new handler, so tests can replace built-ins.
    void add(const QString& key, Handler handler);
    std::optional<Match> find(const QString& command) const;

private:
    struct Entry {
        QString key;
        Handler handler;
    };
    QList<Entry> m_entries;
};

} // namespace verbalink::desktopapi
