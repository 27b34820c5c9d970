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
  # Discovered tests get property values whole only when they are not lists, so the one extra
  # variable a target may set goes in as an environment modification of its own.
  set(properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  list(LENGTH arg_ENVIRONMENT extra)
  if(extra GREATER 1)
    message(FATAL_ERROR "verbalink_test(${name}): at most one ENVIRONMENT entry")
  elseif(extra EQUAL 1)
    string(REGEX REPLACE "^([^=]+)=(.*)$" "\\1=set:\\2" modification "${arg_ENVIRONMENT}")
    list(APPEND properties ENVIRONMENT_MODIFICATION "${modification}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()

# Sanitized build (scripts/test --sanitize): the first report ends the process with an error.
if(VERBALINK_SANITIZE)
  target_compile_options(verbalink_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(verbalink_options INTERFACE -fsanitize=address,undefined)
endif()

# Fuzzing build (scripts/fuzz): every library carries libFuzzer's coverage and the sanitizers.
if(VERBALINK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VERBALINK_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  target_compile_options(verbalink_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  target_link_options(verbalink_options INTERFACE -fsanitize=address,undefined)
endif()

# verbalink_fuzz_target(name DRIVER function HEADER header CORPUS folder SOURCES ... LIBS ...)
# A libFuzzer executable (in <build>/fuzz) over `QString verbalink::fuzz::<function>(QByteArrayView)`,
# which returns what broke; the same driver replays the corpus folder in the ordinary tests.
# scripts/fuzz finds the corpus through <build>/fuzz/<name>.corpus.
function(verbalink_fuzz_target name)
  if(NOT VERBALINK_FUZZ)
    return()
  endif()
  cmake_parse_arguments(arg "" "DRIVER;HEADER;CORPUS" "SOURCES;LIBS" ${ARGN})
  file(WRITE ${CMAKE_BINARY_DIR}/fuzz/${name}.corpus "${CMAKE_CURRENT_SOURCE_DIR}/${arg_CORPUS}")
  # A driver named without its namespace lives in verbalink::fuzz.
  if(arg_DRIVER MATCHES "::")
    set(FUZZ_DRIVER ${arg_DRIVER})
  else()
    set(FUZZ_DRIVER verbalink::fuzz::${arg_DRIVER})
  endif()
  set(FUZZ_HEADER ${arg_HEADER})
  set(entry ${CMAKE_CURRENT_BINARY_DIR}/${name}_entry.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/FuzzEntry.cpp.in ${entry} @ONLY)
  add_executable(${name} ${entry} ${arg_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE verbalink_options ${arg_LIBS})
endfunction()
