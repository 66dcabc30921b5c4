# SPDX-License-Identifier: GPL-3.0-or-later
# What a desktop needs besides the two programs, which install themselves (src/app, src/cli):
# the desktop entry, the icon in the hicolor theme, the AppStream metainfo, the manual pages, the
# shell completion, the sample catalogue, the user's guide, and the changelog and copyright that
# Debian asks for. Then the Debian package that scripts/package makes with `cpack -G DEB`.

include(GNUInstallDirs)

set(RKV_APP_ID org.reelkeep.ReelkeepViewer)
set(RKV_PACKAGE reelkeep-viewer)
set(RKV_MAINTAINER "Reelkeep Viewer developers <developers@reelkeep-viewer.example>")
set(RKV_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${RKV_PACKAGE})
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generated})

find_program(GZIP gzip REQUIRED)

# The release notes are written once, in CHANGELOG.md: Debian's changelog and the metainfo's
# releases are made from it.
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND ${packaging}/release-notes debian ${PROJECT_SOURCE_DIR}/CHANGELOG.md
            ${generated}/changelog ${RKV_PACKAGE} ${RKV_MAINTAINER}
    COMMAND ${GZIP} -9nf ${generated}/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${packaging}/release-notes
    COMMENT "Making the Debian changelog from CHANGELOG.md"
    VERBATIM)
add_custom_command(OUTPUT ${generated}/${RKV_APP_ID}.metainfo.xml
    COMMAND ${packaging}/release-notes metainfo ${PROJECT_SOURCE_DIR}/CHANGELOG.md
            ${generated}/${RKV_APP_ID}.metainfo.xml ${packaging}/${RKV_APP_ID}.metainfo.xml.in
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${packaging}/release-notes
            ${packaging}/${RKV_APP_ID}.metainfo.xml.in
    COMMENT "Making the AppStream metainfo with the releases of CHANGELOG.md"
    VERBATIM)
set(manpages)
foreach(page reelkeep-viewer.1 reelkeep-cli.1)
    add_custom_command(OUTPUT ${generated}/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${packaging}/man/${page} ${generated}/${page}
        COMMAND ${GZIP} -9nf ${generated}/${page}
        DEPENDS ${packaging}/man/${page}
        VERBATIM)
    list(APPEND manpages ${generated}/${page}.gz)
endforeach()
add_custom_target(distribution-files ALL
    DEPENDS ${generated}/changelog.gz ${generated}/${RKV_APP_ID}.metainfo.xml ${manpages})

install(FILES ${packaging}/${RKV_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${packaging}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${generated}/${RKV_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${manpages}
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/completion/reelkeep-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME reelkeep-cli)
install(FILES ${packaging}/completion/_reelkeep-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${packaging}/completion/reelkeep-cli.fish
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/${RKV_PACKAGE}/samples
        PATTERN .gitattributes EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${packaging}/debian/copyright
              ${generated}/changelog.gz
        DESTINATION ${RKV_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/main-window.png ${PROJECT_SOURCE_DIR}/docs/main-window-small.png
              ${PROJECT_SOURCE_DIR}/docs/main-window-dark.png
        DESTINATION ${RKV_DOCDIR}/docs)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME reelkeep-viewer)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${RKV_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Reelkeep Viewer developers")
set(CPACK_PACKAGE_CONTACT "${RKV_MAINTAINER}")
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
# Qt's own translations, for the standard dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mediainfo, qt6-translations-l10n")

include(CPack)
