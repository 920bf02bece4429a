# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` lays the game out as a desktop game: the program in games/, as Debian
# keeps its games, its assets in share/tessarin/ (where it finds them as ../share/tessarin
# from the program), a launcher entry, AppStream metainfo, the icon in the hicolor theme, the
# manual page, and the licence terms and changelog in share/doc/tessarin/. The fonts are not copied: the
# installed game uses the system's Comfortaa (Debian's fonts-comfortaa).
#
# `cpack -G DEB` in the build folder makes tessarin_VERSION_ARCH.deb from the same rules.
include(GNUInstallDirs)

# No web page is published yet, and an invented address would send software centres and
# package users nowhere: without one, the metainfo names no homepage and no screenshot.
set(TESSARIN_HOMEPAGE "" CACHE STRING
    "The project's web address; the metainfo's screenshot is then published below it")
# The address the project's history is kept under; whoever builds a package for others puts
# their own.
set(TESSARIN_MAINTAINER "The Tessarin developers <maintainers@users.noreply.c-seed-bc089918.example>" CACHE STRING
    "Who answers for the package: a name and an address")

install(TARGETS tessarin RUNTIME DESTINATION games)
install(DIRECTORY Images Sounds Music Help Pictures
    DESTINATION ${CMAKE_INSTALL_DATADIR}/tessarin
    # The technique examples as text are for the help's generator and its test.
    PATTERN lines.txt EXCLUDE)

# Manual pages are kept compressed, without a time stamp, so that the package builds the same
# every time.
add_custom_command(OUTPUT tessarin.6.gz
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/desktop/tessarin.6 > tessarin.6.gz
    DEPENDS desktop/tessarin.6)
install(FILES ${PROJECT_BINARY_DIR}/tessarin.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# A package made by its upstream keeps its changelog as changelog.gz, compressed like the
# manual page.
configure_file(desktop/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/changelog > changelog.gz
    DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(compressed_documents ALL DEPENDS tessarin.6.gz changelog.gz)
install(FILES desktop/copyright ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessarin)
install(FILES desktop/${TESSARIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/${TESSARIN_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TESSARIN_APP_ID}.xml)
set(metainfo_source ${PROJECT_SOURCE_DIR}/desktop/${TESSARIN_APP_ID}.metainfo.xml.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo_source})
file(READ ${metainfo_source} metainfo)
if(TESSARIN_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSARIN_HOMEPAGE})
else()
    string(REGEX REPLACE "  <url type=\"homepage\">.*</screenshots>\n" "" metainfo "${metainfo}")
endif()
file(CONFIGURE OUTPUT ${TESSARIN_APP_ID}.metainfo.xml CONTENT "${metainfo}" @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${TESSARIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 64 128 256)
    install(FILES desktop/icons/${size}x${size}/${TESSARIN_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_PACKAGE_NAME tessarin)
set(CPACK_PACKAGE_VENDOR "The Tessarin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nonogram puzzles that are solved by logic alone")
set(CPACK_PACKAGE_DESCRIPTION "Tessarin is a paint-by-numbers puzzle game. Every puzzle is
generated while you wait and can be solved by logic alone, one line at a time.
A hint makes one deduction and names the technique it used, and after a win
the game replays the whole solution step by step. Six board sizes, three
modes, puzzle codes to share, best times and save-and-resume.")
set(CPACK_PACKAGE_CONTACT ${TESSARIN_MAINTAINER})
set(CPACK_PACKAGE_INSTALL_DIRECTORY tessarin)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build keeps debugging information; the package does not need it.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSARIN_HOMEPAGE})
# The Qt 6, SDL2, SDL2_mixer and OpenGL libraries come from what the program links, with the
# versions it was built against; the font is read at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comfortaa")
# Qt's own texts (the boxes' Yes, No and Cancel) in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
