# cmake -DSOURCE_DIR=... -DDEST_DIR=... -P CopyIfMissing.cmake
# Copies each shipped file into DEST_DIR unless a file of that name exists there.
file(MAKE_DIRECTORY "${DEST_DIR}")
foreach(name Orsalimbra.ini Orsalimbra.htm)
  if(EXISTS "${SOURCE_DIR}/${name}" AND NOT EXISTS "${DEST_DIR}/${name}")
    file(COPY "${SOURCE_DIR}/${name}" DESTINATION "${DEST_DIR}")
  endif()
endforeach()
