# Applies the project's warning set to a target.
function(orsalimbra_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(ORSALIMBRA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
