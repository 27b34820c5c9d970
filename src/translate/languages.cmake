# The language tables, the language and engine selection.
target_sources(verbalink_translate PRIVATE
  LanguageMenu.cpp
  LanguageSelection.cpp
  LanguageStoredIds.cpp
  LanguageTables.cpp
  TranslatorId.cpp)
