#pragma once

#include <QStringList>
#include <optional>

namespace verbalink {

// The program's command line, read before the GUI starts so that --help and --version work
// without a display.
struct CommandLine {
    // -m or -M: run beside a copy that is already running instead of handing over to it.
    bool alongside = false;
    // Set when the program should end at once: 0 after --help or --version, 2 for a bad option.
    std::optional<int> exitCode;

    // Parses the arguments (the first is the program) and prints help, version or the error.
    static CommandLine parse(const QStringList& arguments);
};

} // namespace verbalink
