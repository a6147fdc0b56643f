# The project's version for the programs' --version, as the header
# "version/version.h" of the interface library orsalimbra_version (an include
# root of its own, like the layers).
set(ORSALIMBRA_VERSION_ROOT ${CMAKE_BINARY_DIR}/layers/version)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${ORSALIMBRA_VERSION_ROOT}/version/version.h @ONLY)
add_library(orsalimbra_version INTERFACE)
target_include_directories(orsalimbra_version INTERFACE ${ORSALIMBRA_VERSION_ROOT})
