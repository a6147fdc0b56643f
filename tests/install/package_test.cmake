# cmake -DCONFIG=<build>/CPackConfig.cmake -DWORK=<folder> -DAPP_ID=<id>
#       -DVERSION=<project version> -P package_test.cmake
# Builds the Debian package of a build tree and checks what it holds: exactly
# the expected files under /usr, its name, version and dependencies, a menu
# entry that starts the installed program, valid desktop data, and programs
# that run from where the package puts them.
foreach(tool dpkg-deb dpkg-shlibdeps file)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    message(STATUS "SKIPPED: ${tool} is missing (Debian packages dpkg-dev and file)")
    return()
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
set(failures "")

execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config "${CONFIG}" -B "${WORK}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB packages "${WORK}/orsalimbra_${VERSION}_*.deb")
list(LENGTH packages count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack: exit status ${status}, packages: ${packages}\n${out}")
endif()

execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE listing)
string(REGEX MATCHALL "\n[-l][^\n]* \\./[^\n]*" entries "\n${listing}")
set(files "")
foreach(entry ${entries})
  string(REGEX REPLACE ".* \\./" "/" file "${entry}")
  list(APPEND files "${file}")
endforeach()
set(expected
  "/usr/bin/orsalimbra -> ../lib/orsalimbra/orsalimbra"
  "/usr/bin/orsalimbra-cli -> ../lib/orsalimbra/orsalimbra-cli"
  /usr/lib/orsalimbra/Orsalimbra.htm
  /usr/lib/orsalimbra/Orsalimbra.ini
  /usr/lib/orsalimbra/orsalimbra
  /usr/lib/orsalimbra/orsalimbra-cli
  /usr/share/applications/${APP_ID}.desktop
  /usr/share/icons/hicolor/scalable/apps/orsalimbra.svg
  /usr/share/man/man1/orsalimbra-cli.1.gz
  /usr/share/man/man1/orsalimbra.1.gz
  /usr/share/metainfo/${APP_ID}.metainfo.xml)
list(SORT files)
if(NOT files STREQUAL expected)
  string(REPLACE ";" "\n  " files "${files}")
  string(APPEND failures "the package holds\n  ${files}\n")
endif()

foreach(field Package Version Depends)
  execute_process(COMMAND dpkg-deb -f ${packages} ${field} OUTPUT_VARIABLE value)
  string(STRIP "${value}" ${field})
endforeach()
if(NOT Package STREQUAL "orsalimbra" OR NOT Version STREQUAL VERSION)
  string(APPEND failures "package ${Package} version ${Version}\n")
endif()
foreach(dependency libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 "libstdc[+][+]6"
                   fonts-liberation2)
  if(NOT Depends MATCHES "(^|, )${dependency}( |,|$)")
    string(APPEND failures "no dependency on ${dependency}: ${Depends}\n")
  endif()
endforeach()

set(root "${WORK}/root")
execute_process(COMMAND dpkg-deb -x ${packages} "${root}")
include("${CMAKE_CURRENT_LIST_DIR}/check_desktop_entry.cmake")
check_desktop_entry("${root}/usr/share/applications/${APP_ID}.desktop" "Exec=/usr/bin/orsalimbra"
                    "the packed menu entry")
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  # Over the whole tree: the metainfo file and the menu entry it launches.
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net "${root}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    string(APPEND failures "appstreamcli validate-tree:\n${out}\n")
  endif()
endif()

# The stripped programs, run through their links, find the files beside them.
execute_process(COMMAND "${root}/usr/bin/orsalimbra-cli" --version OUTPUT_VARIABLE out)
if(NOT out STREQUAL "orsalimbra-cli (Orsalimbra) ${VERSION}\n")
  string(APPEND failures "orsalimbra-cli --version: ${out}\n")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        QT_QPA_PLATFORM=xcb "${root}/usr/bin/orsalimbra" --version
                OUTPUT_VARIABLE out)
if(NOT out STREQUAL "orsalimbra (Orsalimbra) ${VERSION}\n")
  string(APPEND failures "orsalimbra --version: ${out}\n")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${WORK}/config
                        "${root}/usr/bin/orsalimbra-cli" print "${WORK}/calendar.pdf" --all
                        --year 2027 --layout 0
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out MATCHES "calendar.pdf: 2 pages")
  string(APPEND failures "orsalimbra-cli print with the packaged data file:\n${out}\n")
endif()

if(failures)
  message(FATAL_ERROR "${packages}:\n${failures}")
endif()
file(REMOVE_RECURSE "${WORK}")
