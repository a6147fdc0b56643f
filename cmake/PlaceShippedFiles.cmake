# cmake -DSOURCE_DIR=... -DDEST_DIR=... -P PlaceShippedFiles.cmake
# (or include()d from an install script with both variables set)
#
# Puts the shipped data file and help page into a program folder.
#
# The help page belongs to the program and is always brought up to date.
# The data file belongs to the user once it is there: it is replaced only
# while the user has not changed it, that is when it is missing or when it
# is byte-identical to the copy of the version shipped last time, which is
# kept beside it as Orsalimbra.ini.dist. An edited data file (or one whose
# origin is unknown because no .dist copy exists) is never touched; the .dist
# copy is then refreshed so that the user can compare it with the new
# shipped version and take over what they want.
#
# Sets PLACED_FILES to the files written (for an install manifest).

set(PLACED_FILES "")
file(MAKE_DIRECTORY "${DEST_DIR}")

set(_shipped_ini "${SOURCE_DIR}/Orsalimbra.ini")
set(_ini "${DEST_DIR}/Orsalimbra.ini")
set(_dist "${DEST_DIR}/Orsalimbra.ini.dist")
if(EXISTS "${_shipped_ini}")
  set(_replace FALSE)
  if(NOT EXISTS "${_ini}")
    set(_replace TRUE)
  elseif(EXISTS "${_dist}")
    file(SHA256 "${_ini}" _present)
    file(SHA256 "${_dist}" _previous)
    if(_present STREQUAL _previous)
      set(_replace TRUE)
    endif()
  endif()
  if(_replace)
    file(COPY_FILE "${_shipped_ini}" "${_ini}" ONLY_IF_DIFFERENT)
  else()
    file(SHA256 "${_ini}" _present)
    file(SHA256 "${_shipped_ini}" _shipped)
    if(NOT _present STREQUAL _shipped)
      message(STATUS "Kept the edited data file ${_ini}; "
                     "the version shipped now is ${_dist}")
    endif()
  endif()
  file(COPY_FILE "${_shipped_ini}" "${_dist}" ONLY_IF_DIFFERENT)
  list(APPEND PLACED_FILES "${_dist}")
endif()

set(_shipped_help "${SOURCE_DIR}/Orsalimbra.htm")
if(EXISTS "${_shipped_help}")
  file(COPY_FILE "${_shipped_help}" "${DEST_DIR}/Orsalimbra.htm" ONLY_IF_DIFFERENT)
  list(APPEND PLACED_FILES "${DEST_DIR}/Orsalimbra.htm")
endif()
