# The layers of the program are libraries. A layer's headers are included as
# "LAYER/file.h" from an include root of its own that holds only that layer
# (a link to its source folder), and a target gets a layer's root only by
# linking that layer. An include against the layer map therefore fails to
# compile instead of slipping through a shared include path.
function(orsalimbra_layer_includes target layer)
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${layer} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# A static library of a layer: its sources, its include root, the warnings.
function(orsalimbra_layer target layer)
  add_library(${target} STATIC ${ARGN})
  orsalimbra_layer_includes(${target} ${layer})
  orsalimbra_warnings(${target})
endfunction()
