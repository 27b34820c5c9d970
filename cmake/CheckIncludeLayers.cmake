cmake_minimum_required(VERSION 3.25)
# Fails when a file of src/ or tools/ includes a header from a layer above its own.
# Run as: cmake -DSOURCE_DIR=<project> -P CheckIncludeLayers.cmake
#
# Each folder of src/ has a rank; a file may include its own folder and folders of a lower rank,
# never a sibling of the same rank nor anything above. Tools are not linked into the program: from
# src/ they include only the wire contracts they share with it. A new folder must be given its
# rank here, or this check fails.
set(layers
  "platform=0"
  "translate/text=1"
  "translate/net=2"
  "translate/languages=2"
  "skype=2"
  "skype/dbus=3"
  "translate/engines=3"
  "translate/filter=4"
  "messages=5"
  "app=6"
  "extras=7"
  "langtools=7"
  "audio=7"
  "ui=8"
  "program=9")
set(tool_headers "skype/dbus/SkypeDBusNames.h")

# The folder key of a path relative to src/ (longest matching layer), or "" when none matches.
function(layer_of path out_folder out_rank)
  set(best "")
  set(best_rank -1)
  foreach(entry IN LISTS layers)
    string(REPLACE "=" ";" pair "${entry}")
    list(GET pair 0 folder)
    list(GET pair 1 rank)
    string(LENGTH "${folder}" length)
    string(LENGTH "${best}" best_length)
    if(path MATCHES "^${folder}/" AND length GREATER best_length)
      set(best "${folder}")
      set(best_rank ${rank})
    endif()
  endforeach()
  set(${out_folder} "${best}" PARENT_SCOPE)
  set(${out_rank} ${best_rank} PARENT_SCOPE)
endfunction()

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckIncludeLayers: pass -DSOURCE_DIR=<project folder>")
endif()

set(faults "")
set(checked 0)
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}"
  "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp"
  "${SOURCE_DIR}/tools/*.h" "${SOURCE_DIR}/tools/*.cpp")
foreach(file IN LISTS files)
  if(file MATCHES "^src/(.*)$")
    layer_of("${CMAKE_MATCH_1}" folder rank)
    if(folder STREQUAL "")
      list(APPEND faults "${file}: its folder has no layer in cmake/CheckIncludeLayers.cmake")
      continue()
    endif()
  else()
    set(folder "tools")
    set(rank -1)
  endif()
  file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "\"([^\"]+)\"")
      continue()
    endif()
    set(header "${CMAKE_MATCH_1}")
    layer_of("${header}" target_folder target_rank)
    if(target_folder STREQUAL "" OR target_folder STREQUAL folder)
      continue()
    endif()
    math(EXPR checked "${checked} + 1")
    if(folder STREQUAL "tools")
      if(NOT header IN_LIST tool_headers)
        list(APPEND faults "${file} (a tool) includes ${header} from the program")
      endif()
      continue()
    endif()
    # A folder nested in its own layer's folder (skype/dbus in skype) may use its parent.
    if(NOT target_rank LESS rank AND NOT folder MATCHES "^${target_folder}/")
      list(APPEND faults "${file} (${folder}, layer ${rank}) includes ${header} (${target_folder}, layer ${target_rank})")
    endif()
  endforeach()
endforeach()

list(LENGTH files file_count)
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes that point upward or sideways:\n  ${text}")
endif()
message(STATUS "include layers: ${file_count} files, ${checked} includes across folders, all downward")
