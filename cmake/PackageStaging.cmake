# Run by CPack on the staged files before it packs them. In a package the
# data file is the package manager's: the copy that lets a reinstall tell an
# edited data file from the shipped one has nothing to do.
file(GLOB_RECURSE _dist "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/Orsalimbra.ini.dist")
if(_dist)
  file(REMOVE ${_dist})
endif()
