# cmake -DSCRIPT=.../PlaceShippedFiles.cmake -DWORK_DIR=... -P place_shipped_files_test.cmake
# Runs the placement of the shipped files through the situations of a first
# install, a reinstall, a new shipped version, and an edited data file, and
# fails on the first data file that would be lost or left stale.

function(expect_content file expected what)
  file(READ "${file}" actual)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what}: ${file} holds '${actual}', expected '${expected}'")
  endif()
endfunction()

# Ships version `text` of the data file and of the help page, then places them.
function(ship text)
  file(WRITE "${WORK_DIR}/shipped/Orsalimbra.ini" "${text}")
  file(WRITE "${WORK_DIR}/shipped/Orsalimbra.htm" "help ${text}")
  set(SOURCE_DIR "${WORK_DIR}/shipped")
  set(DEST_DIR "${WORK_DIR}/program")
  include("${SCRIPT}")
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(ini "${WORK_DIR}/program/Orsalimbra.ini")
set(dist "${WORK_DIR}/program/Orsalimbra.ini.dist")
set(help "${WORK_DIR}/program/Orsalimbra.htm")

ship("v1")
expect_content("${ini}" "v1" "first install places the data file")
expect_content("${dist}" "v1" "first install keeps a copy of the shipped version")
expect_content("${help}" "help v1" "first install places the help page")

ship("v2")
expect_content("${ini}" "v2" "an unedited data file follows the new shipped version")
expect_content("${help}" "help v2" "the help page is always replaced")

file(WRITE "${ini}" "v2 edited")
ship("v2")
expect_content("${ini}" "v2 edited" "reinstalling the same version keeps the user's edits")

ship("v3")
expect_content("${ini}" "v2 edited" "a new shipped version keeps the user's edits")
expect_content("${dist}" "v3" "the new shipped version is left beside the edited file")
expect_content("${help}" "help v3" "the help page is replaced beside an edited data file")

file(REMOVE "${dist}")
file(WRITE "${ini}" "of unknown origin")
ship("v4")
expect_content("${ini}" "of unknown origin" "a data file without a shipped copy is kept")
expect_content("${dist}" "v4" "the shipped copy is written beside it")

file(REMOVE "${ini}")
ship("v5")
expect_content("${ini}" "v5" "a deleted data file is placed again")

file(REMOVE_RECURSE "${WORK_DIR}")
