# The Windows installer of this build's width, made with makensis beside the .scr:
# Ondalith-<version>-x64-setup.exe or Ondalith-<version>-x86-setup.exe.
# resources/installer/ holds the script and the command that runs it.
if(NOT WIN32)
  return()
endif()
find_program(ONDALITH_MAKENSIS makensis)
if(NOT ONDALITH_MAKENSIS)
  message(WARNING "makensis not found (Debian package nsis): no installer target")
  return()
endif()
set(ONDALITH_INSTALLER "${CMAKE_BINARY_DIR}/Ondalith-${PROJECT_VERSION}-${ONDALITH_WINDOWS_ARCH}-setup.exe")
set(installer_dir "${PROJECT_SOURCE_DIR}/resources/installer")
add_custom_command(OUTPUT "${ONDALITH_INSTALLER}"
  COMMAND bash "${installer_dir}/make-installer.sh" ${ONDALITH_WINDOWS_ARCH} ${PROJECT_VERSION}
          "$<TARGET_FILE:ondalith>" "${ONDALITH_ASSET_DIR}/ondalith.ico" "${ONDALITH_INSTALLER}"
  DEPENDS ondalith "$<TARGET_FILE:ondalith>" "${installer_dir}/ondalith.nsi" "${installer_dir}/make-installer.sh"
          "${ONDALITH_ASSET_DIR}/ondalith.ico"
  COMMENT "Installer ${ONDALITH_INSTALLER}" VERBATIM)
add_custom_target(installer ALL DEPENDS "${ONDALITH_INSTALLER}")
