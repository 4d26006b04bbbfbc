# Our own code builds clean with -Wall -Wextra (MSVC: /W4).
function(tallvox_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endif()
endfunction()
