# include()d by the install tests: check_desktop_entry(ENTRY EXPECTED_EXEC WHAT)
# compares the Exec line of the menu entry ENTRY with EXPECTED_EXEC and has
# desktop-file-validate (when it exists) check the whole entry; what fails is
# appended to the caller's `failures`, introduced by WHAT.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)

function(check_desktop_entry entry expected what)
  file(STRINGS "${entry}" line REGEX "^Exec=")
  if(NOT line STREQUAL expected)
    string(APPEND failures "${what}: '${line}' instead of '${expected}'\n")
  endif()
  if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${entry}" RESULT_VARIABLE status
                    OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "")
      string(APPEND failures "${what}: desktop-file-validate says\n${out}\n")
    endif()
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()
