# What `cmake --install` lays out and CPack packs: the game under bin/, its data under
# share/ilvys-mission/ (the game finds it from its own executable, so the tree can be moved), and
# what a desktop needs to list it: the desktop entry, the icon in the usual sizes, the metainfo.
include(GNUInstallDirs)

# Desktops know the game by this id: the names of its desktop entry, icon and metainfo.
set(ILVYS_APP_ID io.github.ilvysmission.IlvysMission)
set(ILVYS_REPOSITORY_URL "https://github.com/ilvysmission/ilvys-mission" CACHE STRING
  "Public address of the repository; the metainfo's screenshots are its files")

set(ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_command(
  OUTPUT ${ICON_DIR}/256x256/apps/${ILVYS_APP_ID}.png
  COMMAND ilvys-artgen --icons ${ICON_DIR} ${ILVYS_APP_ID}
  DEPENDS ilvys-artgen
  COMMENT "Drawing the game's icon")
set(METAINFO ${CMAKE_BINARY_DIR}/desktop/${ILVYS_APP_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/data/desktop/${ILVYS_APP_ID}.metainfo.xml.in ${METAINFO} @ONLY)
set(DESKTOP_ENTRY ${CMAKE_SOURCE_DIR}/data/desktop/${ILVYS_APP_ID}.desktop)
add_custom_target(desktop-files ALL DEPENDS ${ICON_DIR}/256x256/apps/${ILVYS_APP_ID}.png)

install(TARGETS ilvys-mission RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The data only: an installed game keeps its saves in the player's data folder.
install(DIRECTORY ${GAME_DIR}/Art ${GAME_DIR}/Data DESTINATION ${CMAKE_INSTALL_DATADIR}/ilvys-mission)
install(FILES ${DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ilvys-mission)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle adventure through the quests of six worlds")
set(CPACK_PACKAGE_DESCRIPTION "Steer a small hero with the arrow keys through hand-built quests in six worlds: keys and doors, blocks and levers, vases and hammers, teleporters, catapults and stores, each quest against a 150-second clock.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${ILVYS_REPOSITORY_URL})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ilvy's Mission developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the game links and the sound font its music plays with; the fonts travel in Data/.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6, libstdc++6, libsdl2-2.0-0, libsdl2-mixer-2.0-0, libsdl2-ttf-2.0-0, libsdl2-image-2.0-0, timgm6mb-soundfont")
set(CPACK_STRIP_FILES ON)
include(CPack)
