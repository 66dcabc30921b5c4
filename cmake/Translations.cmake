# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Qt Linguist translations under translations/ (one reelkeep-viewer_LANG.ts a
# language) into .qm files beside the build, where the viewer finds them before it is installed,
# and installs them where the installed viewer looks: <datadir>/reelkeep-viewer/translations.
include(GNUInstallDirs)

get_target_property(rkv_qmake Qt6::qmake IMPORTED_LOCATION)
get_filename_component(rkv_qt_bin "${rkv_qmake}" DIRECTORY)
find_program(RKV_LRELEASE NAMES lrelease lrelease-qt6 HINTS "${rkv_qt_bin}" /usr/lib/qt6/bin
             REQUIRED)

set(RKV_TRANSLATIONS_BUILD_DIR ${PROJECT_BINARY_DIR}/translations)
file(GLOB rkv_ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
set(rkv_qm_files)
foreach(ts ${rkv_ts_files})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${RKV_TRANSLATIONS_BUILD_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${RKV_TRANSLATIONS_BUILD_DIR}
        COMMAND ${RKV_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts}
        COMMENT "Compiling the translation ${name}")
    list(APPEND rkv_qm_files ${qm})
endforeach()
add_custom_target(translations ALL DEPENDS ${rkv_qm_files})
install(FILES ${rkv_qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/reelkeep-viewer/translations)
