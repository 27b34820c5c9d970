# The language tables against their published form, the selection, routing and restore.
verbalink_test(translate_languages_test
  SOURCES LanguageTablesTest.cpp LanguageSelectionTest.cpp
  LIBS verbalink_translate)
target_include_directories(translate_languages_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
