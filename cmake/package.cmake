# The Debian package: `cpack -G DEB` in the Linux build tree (or the `package` target)
# writes ondalith_<version>_amd64.deb from the install rules. The version is the
# project's; Depends comes from the libraries the program links (dpkg-shlibdeps) and
# from those it opens by name at run time, which no dynamic section shows.
if(WIN32)
  return()
endif()
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondalith)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Kestrova <support@kestrova.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "field of rounded cubes rising in waves, as a screen saver")
set(CPACK_PACKAGE_DESCRIPTION
  "Ondalith draws, with OpenGL, a fixed view from above of a field of ten
thousand rounded cubes in front of a background picture. Every fifteen
seconds a wave sweeps across the field and the cubes behind it rise into
the next of sixteen pictures; the whole cycle takes four minutes.
Nothing is random: the picture is a function of time.

This package installs it as the command ondalith, with a menu entry that
runs it full screen, and as a hack for XScreenSaver, with its settings
file and a manual page.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kestrova.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened with dlopen: libGL.so.1 by the windowing library's GLX code and by the GL
# loader (without it no window opens), and the X extensions the windowing library loads
# at start (libXcursor.so.1 hides the pointer; libXi.so.6, libXinerama.so.1,
# libXrender.so.1, libXxf86vm.so.1). libXrandr.so.2 and libX11-xcb.so.1 are linked too,
# so dpkg-shlibdeps names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libxcursor1, libxi6, libxinerama1, libxrender1, libxxf86vm1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xscreensaver)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
