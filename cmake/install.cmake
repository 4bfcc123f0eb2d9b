# Linux: XScreenSaver looks for hacks in libexec/xscreensaver and for their settings
# files in share/xscreensaver/config; a link in bin makes it a command, the desktop
# entry and the icons go where menus look for them, and the manual page and the
# package's documents go where Debian keeps them. Windows: `dist` puts the .scr where a user can right-click
# it and choose Install, in a folder that names its width, so that both builds sit
# side by side under one name.
if(WIN32)
  set(dist_folder "${PROJECT_SOURCE_DIR}/dist/windows-${ONDALITH_WINDOWS_ARCH}")
  add_custom_target(dist
    COMMAND ${CMAKE_COMMAND} -E make_directory "${dist_folder}"
    COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:ondalith>" "${dist_folder}/"
    DEPENDS ondalith
    COMMENT "${dist_folder}/Ondalith.scr")
else()
  # Compressed as Debian wants them: best compression, no name or time stamp inside.
  set(docs "${CMAKE_BINARY_DIR}/docs")
  file(MAKE_DIRECTORY "${docs}")
  foreach(pair "xscreensaver/ondalith.6;ondalith.6.gz" "package/changelog;changelog.gz")
    list(GET pair 0 from)
    list(GET pair 1 to)
    add_custom_command(OUTPUT "${docs}/${to}"
      COMMAND gzip -9n -c "${PROJECT_SOURCE_DIR}/resources/${from}" > "${docs}/${to}"
      DEPENDS "${PROJECT_SOURCE_DIR}/resources/${from}" VERBATIM)
  endforeach()
  add_custom_target(ondalith_docs ALL DEPENDS "${docs}/ondalith.6.gz" "${docs}/changelog.gz")

  install(TARGETS ondalith RUNTIME DESTINATION libexec/xscreensaver)
  # The same program as a command on everyone's PATH, for a terminal and the menu entry.
  # A relative link, so that it holds wherever the tree is unpacked.
  file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/command")
  file(CREATE_LINK ../libexec/xscreensaver/ondalith "${CMAKE_BINARY_DIR}/command/ondalith" SYMBOLIC)
  install(FILES "${CMAKE_BINARY_DIR}/command/ondalith" DESTINATION bin)
  # The menu entry and its icon in every size of the desktop's icon theme.
  install(FILES resources/desktop/ondalith.desktop DESTINATION share/applications)
  install(DIRECTORY "${ONDALITH_ICON_THEME}/" DESTINATION share/icons)
  install(FILES resources/xscreensaver/ondalith.xml DESTINATION share/xscreensaver/config)
  install(FILES "${docs}/ondalith.6.gz" DESTINATION share/man/man6)
  install(FILES resources/package/copyright "${docs}/changelog.gz" DESTINATION share/doc/ondalith)
endif()
