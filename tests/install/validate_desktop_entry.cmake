# cmake -DSCRIPT=<ConfigureDesktopEntry.cmake> -DSOURCE=<entry template> -DWORK=<folder>
#       -P validate_desktop_entry.cmake
# Writes the menu entry for launchers in folders of several kinds, checks the
# Exec line of each against the quoting rules of the desktop entry format and
# has desktop-file-validate check the whole entry.
find_program(VALIDATE desktop-file-validate)
file(REMOVE_RECURSE "${WORK}")
set(failures "")
function(check_entry exec expected)
  get_filename_component(name "${SOURCE}" NAME_WLE)
  set(EXEC "${exec}")
  set(OUTPUT "${WORK}/${name}")
  include("${SCRIPT}")
  file(STRINGS "${OUTPUT}" line REGEX "^Exec=")
  if(NOT line STREQUAL expected)
    string(APPEND failures "launcher ${exec}: '${line}' instead of '${expected}'\n")
  endif()
  if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} "${OUTPUT}" RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "")
      string(APPEND failures "launcher ${exec}: desktop-file-validate says\n${out}\n")
    endif()
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

check_entry([[/usr/bin/orsalimbra]] [[Exec=/usr/bin/orsalimbra]])
check_entry([[/home/anna/my apps/bin/orsalimbra]] [[Exec="/home/anna/my apps/bin/orsalimbra"]])
check_entry([[/opt/it's/orsalimbra]] [[Exec="/opt/it's/orsalimbra"]])
check_entry([[/opt/100%/orsalimbra]] [[Exec=/opt/100%%/orsalimbra]])
check_entry([[/opt/a"b$c`d\e/orsalimbra]] [[Exec="/opt/a\\"b\\$c\\`d\\\\e/orsalimbra"]])

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
if(NOT VALIDATE)
  message(STATUS "SKIPPED: desktop-file-validate is missing (Debian package desktop-file-utils); "
                 "the Exec lines are right")
endif()
