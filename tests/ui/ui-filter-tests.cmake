# The User translation filter dialog and its User settings dialog.
verbalink_test(ui_filter_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/UiTestMain.cpp
          ${CMAKE_CURRENT_LIST_DIR}/TranslationFilterDialogTest.cpp
  LIBS verbalink_ui verbalink_translate verbalink_testsupport Qt6::Widgets Qt6::Test)
