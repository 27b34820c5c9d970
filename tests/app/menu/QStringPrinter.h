#pragma once

#include <QString>
#include <ostream>

// Lets test failures show a QString as its text. It sits in the global namespace, beside
// QString, where the test framework looks for it.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
