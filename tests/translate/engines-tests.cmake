# A loopback stand-in for the six translation services, for the engine tests and later ones.
add_library(translation_test_service STATIC
  ${CMAKE_CURRENT_LIST_DIR}/service/ServiceAnswers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/service/TranslationTestService.cpp)
target_include_directories(translation_test_service PUBLIC ${CMAKE_CURRENT_LIST_DIR}/service)
target_link_libraries(translation_test_service PUBLIC verbalink_options Qt6::Core)

# The engines' request bytes, target rules and answer extraction, and all six through the
# stand-in service.
verbalink_test(translate_engines_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/EngineAnswerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EngineRequestTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EngineServiceTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EngineTargetRuleTest.cpp
  LIBS verbalink_translate verbalink_testsupport translation_test_service)
target_include_directories(translate_engines_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
