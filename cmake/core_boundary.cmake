# The core is plain standard C++: it builds without Qt and without any
# operating-system header, so that every front end and platform can use it.
# Two checks keep it so:
#  - its sources are scanned before it is compiled (check_core_includes.cmake);
#    a forbidden #include fails the build, naming file and line;
#  - at configure time, it may link nothing but the thread library.

function(dirnal_guard_core_includes target source_dir)
  file(GLOB sources CONFIGURE_DEPENDS ${source_dir}/*.h ${source_dir}/*.cpp)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_includes.checked)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${source_dir} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/check_core_includes.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/check_core_includes.cmake
    COMMENT "Checking that ${target} includes no Qt or OS header"
    VERBATIM)
  add_custom_target(${target}_include_check DEPENDS ${stamp})
  add_dependencies(${target} ${target}_include_check)
endfunction()

function(dirnal_guard_core_links target)
  set(allowed Threads::Threads)
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(libraries ${target} ${property})
    foreach(library IN LISTS libraries)
      if(library AND NOT library IN_LIST allowed)
        message(FATAL_ERROR "${target} links ${library}; the core may link only: ${allowed}")
      endif()
    endforeach()
  endforeach()
endfunction()
