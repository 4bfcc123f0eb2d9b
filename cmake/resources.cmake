# Resource scripts: windres compiles them into Windows executables; on Linux
# resources/tools/embed.py turns the same script into an .incbin object and a lookup
# table. Either way the ids come from the script alone.
set(ONDALITH_PYTHON /usr/bin/python3)
set(ONDALITH_EMBED "${PROJECT_SOURCE_DIR}/resources/tools/embed.py")
set(ONDALITH_GENERATED "${CMAKE_BINARY_DIR}/generated")
set(ONDALITH_ASSET_DIR "${CMAKE_BINARY_DIR}/resources")

# The one version number, from project(), padded to the four parts that Windows shows;
# the version resource and the manifest take it from files written here.
set(ONDALITH_VERSION_PARTS)
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND ONDALITH_VERSION_PARTS 0)
  else()
    list(APPEND ONDALITH_VERSION_PARTS "${PROJECT_VERSION_${part}}")
  endif()
endforeach()
list(JOIN ONDALITH_VERSION_PARTS "," ONDALITH_VERSION_COMMAS)
list(JOIN ONDALITH_VERSION_PARTS "." ONDALITH_VERSION_DOTTED)
# The manifest names the architecture the loader must match it against.
if(ONDALITH_WINDOWS_ARCH STREQUAL x64)
  set(ONDALITH_MANIFEST_ARCH amd64)
else()
  set(ONDALITH_MANIFEST_ARCH x86)
endif()
configure_file("${PROJECT_SOURCE_DIR}/resources/version.h.in" "${ONDALITH_GENERATED}/ondalith_version.h" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/resources/ondalith.manifest.in" "${ONDALITH_GENERATED}/ondalith.manifest" @ONLY)

# Writes <header> (under generated/) with the #define ids of the script.
function(ondalith_resource_ids target rc header)
  set(out "${ONDALITH_GENERATED}/${header}")
  add_custom_command(OUTPUT "${out}"
    COMMAND ${ONDALITH_PYTHON} "${ONDALITH_EMBED}" "${rc}" --ids "${out}" --depfile "${out}.d"
            --search "${PROJECT_SOURCE_DIR}/resources" --search "${ONDALITH_ASSET_DIR}"
            --search "${ONDALITH_GENERATED}"
    DEPENDS "${rc}" "${ONDALITH_EMBED}" ondalith_assets
    DEPFILE "${out}.d"
    COMMENT "Resource ids from ${rc}" VERBATIM)
  add_custom_target(${target} DEPENDS "${out}")
endfunction()

# Puts every resource of <rc> into <target>.
function(ondalith_embed_resources target rc)
  get_filename_component(rcdir "${rc}" DIRECTORY)
  add_dependencies(${target} ondalith_assets)
  if(WIN32)
    target_sources(${target} PRIVATE "${rc}")
    # windres records no dependencies: without these, a regenerated asset or an edited
    # shader or model text would leave the executable with the old one.
    get_property(assets GLOBAL PROPERTY ONDALITH_ASSET_FILES)
    file(GLOB rc_inputs CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/*.rc"
      "${PROJECT_SOURCE_DIR}/resources/*.glsl" "${PROJECT_SOURCE_DIR}/resources/*.obj"
      "${PROJECT_SOURCE_DIR}/resources/*.mtl" "${rcdir}/*")
    list(APPEND rc_inputs "${ONDALITH_GENERATED}/ondalith_version.h" "${ONDALITH_GENERATED}/ondalith.manifest")
    set_source_files_properties("${rc}" PROPERTIES
      COMPILE_FLAGS "-I${rcdir} -I${PROJECT_SOURCE_DIR}/resources -I${ONDALITH_ASSET_DIR} -I${ONDALITH_GENERATED}"
      OBJECT_DEPENDS "${assets};${rc_inputs}")
  else()
    set(base "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources")
    add_custom_command(OUTPUT "${base}.S" "${base}.cpp"
      COMMAND ${ONDALITH_PYTHON} "${ONDALITH_EMBED}" "${rc}" --asm "${base}.S" --table "${base}.cpp"
              --depfile "${base}.d"
              --search "${PROJECT_SOURCE_DIR}/resources" --search "${ONDALITH_ASSET_DIR}"
              --search "${ONDALITH_GENERATED}"
      DEPENDS "${rc}" "${ONDALITH_EMBED}" ondalith_assets
      DEPFILE "${base}.d"
      COMMENT "Embedding the resources of ${rc}" VERBATIM)
    set_source_files_properties("${base}.S" PROPERTIES LANGUAGE ASM)
    target_sources(${target} PRIVATE "${base}.S" "${base}.cpp")
  endif()
endfunction()
