# GLFW 3.3.8 from Debian's source package, built static inside our tree.
# scripts/fetch-glfw.sh unpacks it into cache/; the attach code compiles against
# its internal headers, so we keep the source and binary dirs at hand.
set(GLFW_SOURCE_DIR "${PROJECT_SOURCE_DIR}/cache/src/glfw-3.3.8" CACHE PATH "GLFW 3.3.8 source")
if(NOT EXISTS "${GLFW_SOURCE_DIR}/CMakeLists.txt")
  execute_process(COMMAND bash "${PROJECT_SOURCE_DIR}/scripts/fetch-glfw.sh"
                  RESULT_VARIABLE _fetch OUTPUT_QUIET)
  if(NOT _fetch EQUAL 0 OR NOT EXISTS "${GLFW_SOURCE_DIR}/CMakeLists.txt")
    message(FATAL_ERROR "GLFW source missing; run scripts/fetch-glfw.sh")
  endif()
endif()

set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(GLFW_INSTALL OFF CACHE BOOL "" FORCE)
add_subdirectory("${GLFW_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/glfw" EXCLUDE_FROM_ALL SYSTEM)
set(GLFW_INTERNAL_INCLUDE_DIRS "${GLFW_SOURCE_DIR}/src" "${CMAKE_BINARY_DIR}/glfw/src")
