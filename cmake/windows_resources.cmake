# What Windows shows of a program without starting it, compiled into the
# .exe: the icon (Explorer, the taskbar, and the window's title bar, which
# Qt's windows platform takes from the resource IDI_ICON1), the version
# resource (file properties) and the application manifest.
#
# packaging/windows/dirnal-lst-manager.ico holds the 48, 128 and 256 pixel
# pictures of packaging/icons, and 16 and 32 pixel ones scaled from the 256;
# made again after a change to them, in packaging/icons, with ImageMagick:
#   convert \( example.dirnal_lst.Manager-256.png -resize 16x16 \) \( example.dirnal_lst.Manager-256.png -resize 32x32 \) \
#           example.dirnal_lst.Manager-{48,128,256}.png -depth 8 ../windows/dirnal-lst-manager.ico

set(DIRNAL_WINDOWS_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows)

# dirnal_add_windows_resources(<target> <description>): <description> is
# the "file description" Windows shows for the program.
function(dirnal_add_windows_resources target description)
  if(NOT WIN32)
    return()
  endif()
  set(DIRNAL_RC_NAME ${target})
  set(DIRNAL_RC_DESCRIPTION "${description}")
  set(DIRNAL_RC_ICON ${DIRNAL_WINDOWS_RESOURCE_DIR}/dirnal-lst-manager.ico)
  set(DIRNAL_RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${DIRNAL_WINDOWS_RESOURCE_DIR}/application.manifest.in ${DIRNAL_RC_MANIFEST} @ONLY)
  configure_file(${DIRNAL_WINDOWS_RESOURCE_DIR}/resources.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  # windres does not see these through the .rc's includes.
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS
               ${DIRNAL_RC_ICON} ${DIRNAL_RC_MANIFEST})
endfunction()
