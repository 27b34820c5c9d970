# Shared compile settings: every library and executable links verbalink_options.
add_library(verbalink_options INTERFACE)
target_compile_features(verbalink_options INTERFACE cxx_std_20)
target_compile_options(verbalink_options INTERFACE -Wall -Wextra)
target_compile_definitions(verbalink_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER QT_NO_KEYWORDS
  VERBALINK_VERSION="${PROJECT_VERSION}"
  VERBALINK_INSTALL_PREFIX="${CMAKE_INSTALL_PREFIX}"
  VERBALINK_INSTALL_BINDIR="${CMAKE_INSTALL_BINDIR}")
target_include_directories(verbalink_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

# verbalink_core_library(name SOURCES ... LIBS ...)
# A subsystem library of the core: QtCore, QtNetwork and QtDBus only, never QtWidgets.
# A folder without sources yet is an interface library, so dependants link it already.
function(verbalink_core_library name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  if(arg_SOURCES)
    add_library(${name} STATIC ${arg_SOURCES})
    target_link_libraries(${name} PUBLIC verbalink_options Qt6::Core ${arg_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE verbalink_options Qt6::Core ${arg_LIBS})
  endif()
endfunction()

# verbalink_test(name SOURCES ... LIBS ... [ENVIRONMENT ...])
function(verbalink_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE verbalink_options GTest::gtest GTest::gmock GTest::gtest_main ${arg_LIBS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${arg_ENVIRONMENT}")
endfunction()
