# The user translation filter: the per-contact rules, their stored text and the two dialogs'
# behaviour.
target_sources(verbalink_translate PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TranslationFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TranslationFilterForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TranslationRuleEditForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TranslationRuleLanguages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TranslationRuleText.cpp)
