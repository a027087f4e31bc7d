# cmake -DSOURCE_DIR=<dir> -DSTAMP=<file> -P check_core_includes.cmake
#
# Fails when a source in SOURCE_DIR includes anything but the C++ standard
# library (<name>: lower-case, no extension, no folder, so no <QString>,
# <windows.h> or <sys/stat.h>) and headers of its own ("core/...").
# Writes STAMP when all is well.
file(GLOB sources ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
get_filename_component(own ${SOURCE_DIR} NAME)
set(problems "")
foreach(source IN LISTS sources)
  get_filename_component(name ${source} NAME)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
      string(APPEND problems "  ${own}/${name}: ${line} (computed include)\n")
      continue()
    endif()
    if(CMAKE_MATCH_1 STREQUAL "<")
      set(allowed "^[a-z_0-9]+$")
    else()
      set(allowed "^${own}/")
    endif()
    if(NOT CMAKE_MATCH_2 MATCHES "${allowed}")
      string(APPEND problems "  ${own}/${name}: ${line}\n")
    endif()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "${own}/ may include only the C++ standard library and its own headers, "
                      "no Qt or operating-system header:\n${problems}")
endif()
file(TOUCH ${STAMP})
