# Runs the cross-built tests under Wine. Every build tree gets a Wine
# prefix of its own, created once at build time so that no test waits for
# it, and a wrapper script that CTest uses as the emulator.

find_program(WINE_EXECUTABLE wine REQUIRED)
find_program(WINESERVER_EXECUTABLE wineserver
  PATHS /usr/lib/wine /usr/lib/x86_64-linux-gnu/wine /usr/lib/i386-linux-gnu/wine REQUIRED)

set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run.sh)
configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${WINE_RUN} @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})

add_custom_command(
  OUTPUT ${WINE_PREFIX}/.created
  COMMAND ${WINE_RUN} --init
  COMMENT "Creating the Wine prefix ${WINE_PREFIX}"
  VERBATIM)
add_custom_target(wine_prefix DEPENDS ${WINE_PREFIX}/.created)
