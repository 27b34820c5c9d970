#pragma once

#include <QString>
#include <functional>

namespace verbalink {

// Where the rule list is kept: the program binds these to the TranslateOnlyList setting, tests
// to a string of their own.
struct TranslationFilterStore {
    std::function<QString()> read;
    std::function<bool(const QString& text)> write;
};

} // namespace verbalink
