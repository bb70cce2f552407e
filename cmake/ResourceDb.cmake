# Copies the data directory resource_db/ next to the programs (build/bin/resource_db), so the
# game finds it beside itself. The copy is remade whenever a file under resource_db changes,
# and stale files are removed with it.
file(GLOB_RECURSE TARVEX_RESOURCE_DB_FILES CONFIGURE_DEPENDS ${TARVEX_RESOURCE_DB}/*)
set(TARVEX_RESOURCE_DB_STAMP ${CMAKE_BINARY_DIR}/resource_db.stamp)
add_custom_command(
    OUTPUT ${TARVEX_RESOURCE_DB_STAMP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/resource_db
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${TARVEX_RESOURCE_DB}
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/resource_db
    COMMAND ${CMAKE_COMMAND} -E touch ${TARVEX_RESOURCE_DB_STAMP}
    DEPENDS ${TARVEX_RESOURCE_DB_FILES}
    COMMENT "Copying resource_db next to the programs"
    VERBATIM)
add_custom_target(resource_db ALL DEPENDS ${TARVEX_RESOURCE_DB_STAMP})
