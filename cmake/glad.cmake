# The GL loader is generated at build time from Debian's python3-glad.
# --reproducible keeps glad from reaching for the network.
set(GLAD_OUT "${CMAKE_BINARY_DIR}/glad")
add_custom_command(
  OUTPUT "${GLAD_OUT}/src/gl.c" "${GLAD_OUT}/include/glad/gl.h"
  COMMAND /usr/bin/glad --quiet --reproducible --api gl:core=4.5 --extensions ""
          --out-path "${GLAD_OUT}" c --loader
  COMMENT "Generating the GL 4.5 core loader"
  VERBATIM)
add_library(ondalith_glad STATIC "${GLAD_OUT}/src/gl.c")
target_include_directories(ondalith_glad SYSTEM PUBLIC "${GLAD_OUT}/include")
target_link_libraries(ondalith_glad PUBLIC ${CMAKE_DL_LIBS})
