#pragma once

#include <QString>
#include <optional>

namespace verbalink {

// The text-art pictures, found by their exact effect name.
class TextArtTable {
public:
    virtual ~TextArtTable() = default;
    virtual std::optional<QString> picture(const QString& effectName) const = 0;
};

} // namespace verbalink
