# Linux: XScreenSaver looks for hacks in libexec/xscreensaver and for their settings
# files in share/xscreensaver/config. Windows: `dist` puts the .scr where a user can
# right-click it and choose Install.
if(WIN32)
  add_custom_target(dist
    COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_SOURCE_DIR}/dist"
    COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:ondalith>" "${PROJECT_SOURCE_DIR}/dist/"
    DEPENDS ondalith
    COMMENT "dist/Ondalith.scr")
else()
  install(TARGETS ondalith RUNTIME DESTINATION libexec/xscreensaver)
  install(FILES resources/xscreensaver/ondalith.xml DESTINATION share/xscreensaver/config)
endif()
