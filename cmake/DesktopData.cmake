# What the desktop and the shell know the program by, made in the build tree
# for cmake/Install.cmake:
#   ORSALIMBRA_APP_ID      the software-centre id, also the menu entry's name
#   ORSALIMBRA_METAINFO    the AppStream metainfo file
#   ORSALIMBRA_MAN_PAGES   the manual pages, compressed as Debian installs them
set(ORSALIMBRA_APP_ID it.nerb.orsalimbra)
set(ORSALIMBRA_SCREENSHOT_URL "" CACHE STRING
    "Web address where the files of data/screenshots are published, for software centres")

set(ORSALIMBRA_METAINFO ${CMAKE_BINARY_DIR}/data/${ORSALIMBRA_APP_ID}.metainfo.xml)
function(orsalimbra_configure_metainfo)
  set(SOURCE ${CMAKE_SOURCE_DIR}/data/${ORSALIMBRA_APP_ID}.metainfo.xml.in)
  set(OUTPUT ${ORSALIMBRA_METAINFO})
  set(SCREENSHOT_URL "${ORSALIMBRA_SCREENSHOT_URL}")
  include(${CMAKE_SOURCE_DIR}/cmake/ConfigureMetainfo.cmake)
endfunction()
orsalimbra_configure_metainfo()

# Written once in troff; the build puts the version in and compresses them.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(ORSALIMBRA_MAN_PAGES "")
foreach(page orsalimbra orsalimbra-cli)
  set(man ${CMAKE_BINARY_DIR}/man/${page}.1)
  configure_file(${CMAKE_SOURCE_DIR}/data/man/${page}.1.in ${man} @ONLY)
  add_custom_command(OUTPUT ${man}.gz
                     COMMAND ${GZIP_EXECUTABLE} -9 -n -f -k ${man}
                     DEPENDS ${man}
                     COMMENT "Compressing the manual page ${page}(1)")
  list(APPEND ORSALIMBRA_MAN_PAGES ${man}.gz)
endforeach()
add_custom_target(orsalimbra_man_pages ALL DEPENDS ${ORSALIMBRA_MAN_PAGES})
