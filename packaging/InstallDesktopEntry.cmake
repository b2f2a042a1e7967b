# Installs the menu entry, run by `cmake --install` once the prefix is known. Under /usr and
# /usr/local the game's programs are on the system's PATH and the entry starts "pitchbar" by
# name, as desktops expect; under any other prefix the entry names the program whole.
set(entry_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${PITCHBAR_ENTRY_DIR}")
get_filename_component(entry_name "${PITCHBAR_DESKTOP_ENTRY}" NAME)
file(READ "${PITCHBAR_DESKTOP_ENTRY}" entry)
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr" AND NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
  string(REPLACE "\nExec=pitchbar\n" "\nExec=${CMAKE_INSTALL_PREFIX}/${PITCHBAR_GAMES_DIR}/pitchbar\n" entry "${entry}")
endif()
file(MAKE_DIRECTORY "${entry_dir}")
message(STATUS "Installing: ${entry_dir}/${entry_name}")
file(WRITE "${entry_dir}/${entry_name}" "${entry}")
