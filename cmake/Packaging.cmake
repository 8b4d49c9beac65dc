# Where `cmake --install` puts the engine, and the Debian package that
# `cpack -G DEB` makes of it: the game and the authoring tools in bin/, the
# guides in share/doc/tessel, and Sylva's game folder, ready to play, in
# share/tessel/sylva.
include(GNUInstallDirs)

install(TARGETS tessel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
get_property(tool_targets GLOBAL PROPERTY TESSEL_TOOL_TARGETS)
if(tool_targets)
  install(TARGETS ${tool_targets} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES README.md docs/authoring.md docs/tiled-maps.md docs/sylva.png
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(TARGET tessel-pack)
  # Only what the packer wrote: a folder someone played in also holds
  # captures, recordings and saves of their own.
  install(DIRECTORY ${CMAKE_BINARY_DIR}/demo/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tessel/sylva
          PATTERN "captures" EXCLUDE PATTERN "saves" EXCLUDE PATTERN "*.txt" EXCLUDE)
endif()

set(CPACK_PACKAGE_NAME tessel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tessel developers <tessel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile-based role-playing game engine, its authoring tools and a demo game")
set(CPACK_PACKAGE_DESCRIPTION "Tessel plays two-dimensional, tile-based role-playing games described by data files,
and comes with tessel-pack, which builds a game folder from Tiled maps, PNG pictures
and text scripts, and with the demo game Sylva (tessel /usr/share/tessel/sylva).")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link, found by dpkg-shlibdeps; the software GL
# driver so that the game opens a window on any X server; the font the
# packer draws glyph sheets from by default.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
