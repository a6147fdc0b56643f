# cmake -DSCRIPT=<ConfigureMetainfo.cmake> -DDATA=<data folder> -DAPP_ID=<id>
#       -DVERSION=<project version> -DWORK=<folder> -P validate_metainfo.cmake
# Writes the metainfo file without and with a screenshot address and has
# appstreamcli validate both. Checks too what the validator cannot know: the
# newest release is this version, the launchable is the menu entry the
# install writes, and each screenshot names a file of data/screenshots.
find_program(APPSTREAMCLI appstreamcli)
file(REMOVE_RECURSE "${WORK}")
set(SOURCE "${DATA}/${APP_ID}.metainfo.xml.in")
set(failures "")

file(READ "${SOURCE}" template)
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${template}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  string(APPEND failures "the newest release is '${CMAKE_MATCH_1}', the project is ${VERSION}\n")
endif()
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${template}")
if(NOT EXISTS "${DATA}/${CMAKE_MATCH_1}.in")
  string(APPEND failures "the launchable '${CMAKE_MATCH_1}' is no menu entry of data/\n")
endif()
string(REGEX MATCHALL "<image>@ORSALIMBRA_SCREENSHOT_URL@[^<]*</image>" images "${template}")
if(NOT images)
  string(APPEND failures "no screenshots\n")
endif()
foreach(image ${images})
  string(REGEX REPLACE "<image>@ORSALIMBRA_SCREENSHOT_URL@([^<]*)</image>" "\\1" file "${image}")
  if(NOT EXISTS "${DATA}/screenshots/${file}")
    string(APPEND failures "the screenshot ${file} is not in data/screenshots\n")
  endif()
endforeach()

foreach(SCREENSHOT_URL "" "https://example.org/orsalimbra/screenshots")
  set(OUTPUT "${WORK}/${APP_ID}.metainfo.xml")
  include("${SCRIPT}")
  if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${OUTPUT}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
      string(APPEND failures "with screenshot address '${SCREENSHOT_URL}':\n${out}\n")
    endif()
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
if(NOT APPSTREAMCLI)
  message(STATUS "SKIPPED: appstreamcli is missing (Debian package appstream); "
                 "releases, launchable and screenshot files are right")
endif()
