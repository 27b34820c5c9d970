#include "translate/engines/EngineLanguageCodes.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace verbalink {
namespace {

TEST(EngineLanguageCodes, MappingsOfEachEngine)
{
    struct Case {
        EngineMapping mapping;
        QByteArray language;
        QByteArray code;
    };
    const Case cases[] = {
        {EngineMapping::Google, "zh-Hans", "zh-CN"}, {EngineMapping::Google, "zh-Hant", "zh-TW"},
        {EngineMapping::Google, "zh", "zh-CN"},      {EngineMapping::Google, "pt-BR", "pt"},
        {EngineMapping::Google, "ZH", "ZH"},         {EngineMapping::Google, "fr", "fr"},
        {EngineMapping::Bing, "zh-Hans", "zh-CHS"},  {EngineMapping::Bing, "zh-Hant", "zh-CHT"},
        {EngineMapping::Bing, "zh", "zh-CHS"},       {EngineMapping::Bing, "pt-BR", "pt"},
        {EngineMapping::Bing, "de", "de"},           {EngineMapping::Babylon, "zh", "9"},
        {EngineMapping::Babylon, "zh-Hans", "10"},   {EngineMapping::Babylon, "th", "16"},
        {EngineMapping::Babylon, "en", "0"},         {EngineMapping::Babylon, "xx", "0"},
        {EngineMapping::Babylon, "", "0"},           {EngineMapping::Promt, "ru", "r"},
        {EngineMapping::Promt, "de", "g"},           {EngineMapping::Promt, "ja", "e"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        EXPECT_EQ(mapPartnerLanguage(c.mapping, c.language), c.code);
    }
}

} // namespace
} // namespace verbalink
