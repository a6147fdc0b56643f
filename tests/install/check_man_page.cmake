# cmake -DPAGE=<troff manual page> -P check_man_page.cmake
# Formats the page as man does and fails on any warning of groff's.
find_program(GROFF groff)
if(NOT GROFF)
  message(STATUS "SKIPPED: groff is missing (Debian package groff-base)")
  return()
endif()
execute_process(COMMAND ${GROFF} -man -Tutf8 -ww -z ${PAGE}
                RESULT_VARIABLE status ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff on ${PAGE}: exit status ${status}\n${warnings}")
endif()
