# The User translation filter dialog and its User settings dialog over the translation core's
# forms.
target_sources(verbalink_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TranslationFilterDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UserSettingsDialog.cpp)
