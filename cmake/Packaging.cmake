# What a desktop needs besides the two programs, which install themselves (src/app, src/cli):
# the desktop entry, the icon in the hicolor theme, the sample catalogue and the user's guide.
# Then the Debian package that scripts/package makes with `cpack -G DEB`.

include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.reelkeep.ReelkeepViewer.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/packaging/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/reelkeep-viewer/samples
        PATTERN .gitattributes EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/reelkeep-viewer)
install(FILES ${PROJECT_SOURCE_DIR}/docs/main-window.png ${PROJECT_SOURCE_DIR}/docs/main-window-small.png
              ${PROJECT_SOURCE_DIR}/docs/main-window-dark.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/reelkeep-viewer/docs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reelkeep-viewer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Reelkeep Viewer developers")
set(CPACK_PACKAGE_CONTACT "Reelkeep Viewer developers <developers@reelkeep-viewer.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "browser for Reelkeep movie catalogues, with Jove Player export")
set(CPACK_PACKAGE_DESCRIPTION [[
Reelkeep Viewer lists the titles of a Reelkeep movie catalogue and shows
everything its files know about each one, with its cover and IMDB rating,
without ever changing the catalogue. It filters the list, writes Jove Player
media descriptions (.mmd) one per film or in a batch, and shows MediaInfo's
report on a media file. reelkeep-cli does the same from a shell.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://reelkeep-viewer.example/")
# Depends: the libraries the programs link (the Qt 6 ones among them), found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS mediainfo)

include(CPack)
