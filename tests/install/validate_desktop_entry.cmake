# cmake -DSCRIPT=<ConfigureDesktopEntry.cmake> -DSOURCE=<entry template> -DWORK=<folder>
#       -P validate_desktop_entry.cmake
# Writes the menu entry for launchers in folders of several kinds, checks the
# Exec line of each against the quoting rules of the desktop entry format and
# has desktop-file-validate check the whole entry.
include("${CMAKE_CURRENT_LIST_DIR}/check_desktop_entry.cmake")
file(REMOVE_RECURSE "${WORK}")
set(failures "")
function(check_entry exec expected)
  get_filename_component(name "${SOURCE}" NAME_WLE)
  set(EXEC "${exec}")
  set(OUTPUT "${WORK}/${name}")
  include("${SCRIPT}")
  check_desktop_entry("${OUTPUT}" "${expected}" "launcher ${exec}")
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
if(NOT DESKTOP_FILE_VALIDATE)
  message(STATUS "SKIPPED: desktop-file-validate is missing (Debian package desktop-file-utils); "
                 "the Exec lines are right")
endif()
