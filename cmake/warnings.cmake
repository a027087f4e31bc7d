# The compiler warnings our own targets are built with; third-party code
# (GoogleTest built from source, Qt's generated files aside) keeps its own.
function(dirnal_set_warnings)
  foreach(target IN LISTS ARGN)
    if(MSVC)
      target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${DIRNAL_WERROR}>:/WX>)
    else()
      target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                                               $<$<BOOL:${DIRNAL_WERROR}>:-Werror>)
    endif()
  endforeach()
endfunction()
