#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace verbalink {

// How an engine names a language that comes from the chat client or a per-contact rule.
enum class EngineMapping { Google, Bing, Babylon, Promt };

// The engine's code for that language ("zh-Hans" is "zh-CN" for Google, "10" for Babylon).
QByteArray mapPartnerLanguage(EngineMapping mapping, QByteArrayView language);

} // namespace verbalink
