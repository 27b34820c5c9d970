#pragma once

#include <QByteArrayView>
#include <span>

namespace verbalink {

// One interface language: its entry in "Interface Language", the code the chat client reports
// for it, and the name of its compiled string table ("verbalink_<file>.qm").
struct InterfaceLanguageEntry {
    int commandId;
    const char* clientCode;
    const char* fileCode;
};

// The 42 interface languages; English first.
std::span<const InterfaceLanguageEntry> interfaceLanguages();
const InterfaceLanguageEntry* interfaceLanguageById(int commandId);
// Exact, case-sensitive: "pt-BR" is not "pt".
const InterfaceLanguageEntry* interfaceLanguageByClientCode(QByteArrayView code);

} // namespace verbalink
