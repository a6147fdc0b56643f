# Places the shipped data file and help page in the build's program folder,
# by the same rule as an installation: a data file the user has edited is
# never overwritten (see PlaceShippedFiles.cmake).
add_custom_target(orsalimbra_program_folder ALL
  COMMAND ${CMAKE_COMMAND}
          -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/data
          -DDEST_DIR=${ORSALIMBRA_PROGRAM_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/PlaceShippedFiles.cmake
  COMMENT "Placing the data file and help page in the program folder")
