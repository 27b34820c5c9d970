# The outgoing and incoming translation flows with the real engines against the stand-in
# service, and their adapter over the link.
verbalink_test(translate_flows_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/IncomingTranslationFlowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OutgoingTranslationFlowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TranslationFlowChatLinkTest.cpp
  LIBS verbalink_translate verbalink_skype verbalink_testsupport translation_test_service)
target_include_directories(translate_flows_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
