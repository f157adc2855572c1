# The program's resources (icon, ground picture, version, manifest) linked into
# a Windows target. windres reads the files through the script, so each of
# them is a dependency of its own: a changed picture or manifest rebuilds.
set(RINGWRIGHT_RESOURCE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/ringwright.rc)
set(RINGWRIGHT_RESOURCE_FILES ${CMAKE_CURRENT_LIST_DIR}/icon.ico ${CMAKE_CURRENT_LIST_DIR}/ground.jpg
  ${CMAKE_CURRENT_LIST_DIR}/ringwright.manifest)

function(ringwright_add_resources target)
  target_sources(${target} PRIVATE ${RINGWRIGHT_RESOURCE_SCRIPT})
  set_source_files_properties(${RINGWRIGHT_RESOURCE_SCRIPT} TARGET_DIRECTORY ${target} PROPERTIES
    COMPILE_DEFINITIONS RINGWRIGHT_EMBED_MANIFEST OBJECT_DEPENDS "${RINGWRIGHT_RESOURCE_FILES}")
endfunction()
