# GLFW 3.3.8 from Debian's source package, built static inside our tree.
# scripts/fetch-glfw.sh unpacks it into cache/; the attach code compiles against
# its internal headers, so we keep the source and binary dirs at hand.
set(GLFW_SOURCE_DIR "${PROJECT_SOURCE_DIR}/cache/src/glfw-3.3.8" CACHE PATH "GLFW 3.3.8 source")
if(NOT EXISTS "${GLFW_SOURCE_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "No GLFW source in ${GLFW_SOURCE_DIR}: run scripts/fetch-glfw.sh first "
                      "(scripts/build.sh and scripts/test-all.sh do).")
endif()

# The Windows attach code builds GLFW's own window record from its internal headers,
# so it is right only for the release it was written against: refuse any other.
set(ONDALITH_GLFW_VERSION 3.3.8)
file(STRINGS "${GLFW_SOURCE_DIR}/include/GLFW/glfw3.h" _glfw_version_lines
     REGEX "^#define GLFW_VERSION_(MAJOR|MINOR|REVISION)[ \t]+[0-9]+")
set(_glfw_version)
foreach(_line IN LISTS _glfw_version_lines)
  string(REGEX REPLACE ".*[ \t]([0-9]+)$" "\\1" _number "${_line}")
  list(APPEND _glfw_version "${_number}")
endforeach()
list(JOIN _glfw_version "." _glfw_version)
if(NOT _glfw_version STREQUAL ONDALITH_GLFW_VERSION)
  message(FATAL_ERROR "GLFW_SOURCE_DIR (${GLFW_SOURCE_DIR}) holds GLFW '${_glfw_version}', but the "
                      "attach code (app/win32/attach_win32.c) is written against GLFW's internal window "
                      "record of ${ONDALITH_GLFW_VERSION}. Point GLFW_SOURCE_DIR at GLFW ${ONDALITH_GLFW_VERSION} "
                      "(scripts/fetch-glfw.sh), or check that code against the other release first.")
endif()

set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(GLFW_INSTALL OFF CACHE BOOL "" FORCE)
add_subdirectory("${GLFW_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/glfw" EXCLUDE_FROM_ALL SYSTEM)
set(GLFW_INTERNAL_INCLUDE_DIRS "${GLFW_SOURCE_DIR}/src" "${CMAKE_BINARY_DIR}/glfw/src")
