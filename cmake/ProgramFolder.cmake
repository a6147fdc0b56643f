# Places the shipped data file and help page in the program folder when none is
# there yet. A data file the user has edited is never overwritten.
add_custom_target(orsalimbra_program_folder ALL
  COMMAND ${CMAKE_COMMAND}
          -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/data
          -DDEST_DIR=${ORSALIMBRA_PROGRAM_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/CopyIfMissing.cmake
  COMMENT "Placing the data file and help page in the program folder")
