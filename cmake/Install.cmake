# Installing the program like any desktop game, and packaging it as a .deb:
#   cmake --install <build> --prefix <P>
# puts the program in P/bin, its data in P/share/knobelkiste (where it looks
# for it, ../share/knobelkiste from the program), and its desktop entry, icons
# and AppStream metadata where the desktop finds them. The program finds its
# data there and then writes its files to $XDG_DATA_HOME/knobelkiste.
# scripts/package configures Debian's folders instead (the program in games/,
# the module in lib/<architecture>/) and packs the result below /usr.
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
# The manual page, and the changelog and copyright file a Debian package
# carries in its documentation folder. The manual page and the changelog are
# compressed as Debian keeps them; gzip -n leaves out name and time, so the
# same sources give the same bytes.
# The package's version carries a Debian revision (1.0.0-1), so its changelog
# is changelog.Debian, with the version and maintainer of the package.
set(CPACK_PACKAGE_CONTACT "The Knobelkiste developers <kontakt@knobelkiste.de>")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(KNOBEL_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(knobel_docs ${CMAKE_BINARY_DIR}/docs)
configure_file(${CMAKE_SOURCE_DIR}/doc/knobelkiste.6 ${knobel_docs}/knobelkiste.6 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/package/changelog.in ${knobel_docs}/changelog.Debian @ONLY)
foreach(doc knobelkiste.6 changelog.Debian)
  add_custom_command(OUTPUT ${knobel_docs}/${doc}.gz
    COMMAND gzip -9n -c ${doc} > ${doc}.gz
    WORKING_DIRECTORY ${knobel_docs} DEPENDS ${knobel_docs}/${doc} VERBATIM)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${knobel_docs}/knobelkiste.6.gz ${knobel_docs}/changelog.Debian.gz)
install(FILES ${knobel_docs}/knobelkiste.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${knobel_docs}/changelog.Debian.gz ${CMAKE_SOURCE_DIR}/package/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/knobelkiste)

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
# Only the package carries lintian's notes on it (the folder is the
# package's, not below the installation prefix).
set(CPACK_INSTALLED_DIRECTORIES ${CMAKE_SOURCE_DIR}/package/lintian
  .${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides)
include(CPack)
