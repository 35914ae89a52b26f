# The Debian package. After the README's release build, `cd build && cpack -G DEB` writes
# velmora_<version>_<arch>.deb: the install tree under /usr, dependencies computed from the
# binaries plus what the program loads by name at run time.
if(NOT UNIX OR APPLE)
    return()
endif()

set(VELMORA_MAINTAINER "Velmora developers <velmora@example.org>")
string(SUBSTRING ${VELMORA_RELEASE_DATE} 0 4 VELMORA_RELEASE_YEAR)
execute_process(COMMAND date -u -R -d "${VELMORA_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE VELMORA_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)

# Debian's documentation folder: the machine-readable copyright and the changelog, compressed.
set(doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/velmora)
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
execute_process(COMMAND gzip -9 -n -c ${PROJECT_BINARY_DIR}/changelog
                OUTPUT_FILE ${PROJECT_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_CONTACT ${VELMORA_MAINTAINER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tuned autoexec.cfg writer for Counter-Strike")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for games, whose programs live in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMORA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name, so no linker sees them: Arial's metric twin for the window fonts, the desktop's
# platform plugin, and Qt's Russian translations for its own buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins, qt6-translations-l10n")
# CPack puts the summary above this as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmora writes a tuned autoexec.cfg for Counter-Strike on the Half-Life
engine. Name the Half-Life folder once, tick options over six tabs
(network, graphics, sound, miscellany, utilities, POD-Bot), and let Velmora
generate the console commands into an editable text box; the bind and alias
lines of the game's config.cfg are carried in. Saving writes the box to
cstrike/autoexec.cfg, which the game runs at start.
.
The program speaks Russian. velmora --print-config writes a config without
a window, and velmora --check reads a script as the game's console does and
says what the current game build will make of it.")
include(CPack)
