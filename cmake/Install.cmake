# Installing the program like any desktop game, and packaging it as a .deb:
#   cmake --install <build> --prefix <P>
# puts the program in P/bin, its data in P/share/knobelkiste (where it looks
# for it, ../share/knobelkiste from the program), and its desktop entry, icons
# and AppStream metadata where the desktop finds them. The program finds its
# data there and then writes its files to $XDG_DATA_HOME/knobelkiste.
include(GNUInstallDirs)

# The desktop entry, the icons, the metadata and the program's window class
# all carry this id, so the desktop matches a running window to its menu entry.
set(KNOBEL_APP_ID de.knobelkiste.Knobelkiste)
set(KNOBEL_EXECUTABLE knobelkiste)
target_compile_definitions(knobel_program PRIVATE KNOBEL_APP_ID="${KNOBEL_APP_ID}")
target_compile_definitions(knobelkiste PRIVATE KNOBEL_VERSION="${PROJECT_VERSION}")

set(knobel_desktop ${CMAKE_BINARY_DIR}/desktop/${KNOBEL_APP_ID}.desktop)
set(knobel_metainfo ${CMAKE_BINARY_DIR}/desktop/${KNOBEL_APP_ID}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/desktop/knobelkiste.desktop.in ${knobel_desktop} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/desktop/knobelkiste.metainfo.xml.in ${knobel_metainfo} @ONLY)

install(TARGETS knobelkiste RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The video module goes to the library folder; the program finds it there by
# the path from its own folder.
set(knobel_module_dir ${CMAKE_INSTALL_LIBDIR}/knobelkiste)
install(TARGETS knobel_video LIBRARY DESTINATION ${knobel_module_dir})
file(RELATIVE_PATH knobel_module_from_bin /${CMAKE_INSTALL_BINDIR} /${knobel_module_dir})
target_compile_definitions(knobel_platform PRIVATE KNOBEL_MODULE_DIR_FROM_BIN="${knobel_module_from_bin}")
install(FILES
  ${CMAKE_BINARY_DIR}/sport.gob
  ${CMAKE_SOURCE_DIR}/data/deutsch.lng
  ${CMAKE_SOURCE_DIR}/data/english.lng
  ${CMAKE_BINARY_DIR}/intro.avi
  DESTINATION ${CMAKE_INSTALL_DATADIR}/knobelkiste)
install(FILES ${knobel_desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${knobel_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(knobel_icons ${CMAKE_BINARY_DIR}/icons)
install(FILES ${knobel_icons}/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${KNOBEL_APP_ID}.svg)
foreach(size 48 128 256)
  install(FILES ${knobel_icons}/icon-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${KNOBEL_APP_ID}.png)
endforeach()

# cpack -G DEB: the libraries come from dpkg-shlibdeps; the fonts are found at
# run time through fontconfig, which no library dependency names.
set(CPACK_PACKAGE_NAME knobelkiste)
set(CPACK_PACKAGE_VENDOR "The Knobelkiste developers")
set(CPACK_PACKAGE_CONTACT "The Knobelkiste developers <kontakt@knobelkiste.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "23 short brain-training games in German and English")
set(CPACK_PACKAGE_DESCRIPTION [=[
Mental arithmetic, clocks, calendar arithmetic, change, units, balance
scales, Sudoku, a sliding puzzle, memory games, code breaking, reaction
tests, a word game and more, each graded on the school scale from 1.0
to 6.0, with best lists, a test of all games and statistics.]=])
# MIT (the SPDX id the metadata names too); LICENSE holds its text.
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-comic-neue")
include(CPack)
