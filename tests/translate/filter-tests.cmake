# The translation filter: stored text, lookups under concurrent reloads, the dialogs' forms.
verbalink_test(translate_filter_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TranslationFilterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TranslationFilterFormTest.cpp
  LIBS verbalink_translate verbalink_testsupport)
target_include_directories(translate_filter_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
