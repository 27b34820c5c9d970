cmake_minimum_required(VERSION 3.25)
# Fails unless every place that states the program's licence states the same one, with the
# licence's full text in COPYING. Run as: cmake -DSOURCE_DIR=<project> -P CheckLicence.cmake
set(spdx "GPL-3.0-or-later")

file(READ "${SOURCE_DIR}/COPYING" text)
if(NOT text MATCHES "GNU GENERAL PUBLIC LICENSE[ \n]+Version 3, 29 June 2007" OR
   NOT text MATCHES "END OF TERMS AND CONDITIONS")
  message(FATAL_ERROR "COPYING does not hold the whole text of the GPL version 3")
endif()

# Each file with the text that must state the licence in it.
set(statements
  "data/app.verbalink.Verbalink.metainfo.xml|<project_license>${spdx}</project_license>"
  "data/debian/copyright|\nLicense: ${spdx}\n"
  "README.md|${spdx}")
foreach(statement IN LISTS statements)
  string(REPLACE "|" ";" parts "${statement}")
  list(GET parts 0 path)
  list(GET parts 1 expected)
  file(READ "${SOURCE_DIR}/${path}" content)
  string(FIND "${content}" "${expected}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${path} does not state the licence ${spdx}")
  endif()
endforeach()

# Nothing may still claim another licence for the program.
file(READ "${SOURCE_DIR}/data/debian/copyright" copyright)
string(REGEX MATCHALL "\nLicense: [^\n]*" licences "${copyright}")
list(REMOVE_DUPLICATES licences)
if(NOT licences STREQUAL "\nLicense: ${spdx}")
  message(FATAL_ERROR "data/debian/copyright names other licences:${licences}")
endif()
