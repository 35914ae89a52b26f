# Installs the build into a fresh temporary prefix and checks the tree a desktop and a package
# manager rely on. Run by CTest as
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DVERSION=... -DBINDIR=...
#         -DMANDIR=... -DDATADIR=... -DTONE_DIR=... [-DTONE_MODULE=name] -P check-install.cmake
cmake_minimum_required(VERSION 3.22)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

set(failures "")
set(entry ${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
set(expected ${BINDIR}/velmora ${entry} ${metainfo} ${MANDIR}/man1/velmora.1.gz
             ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
             ${DATADIR}/doc/velmora/copyright ${DATADIR}/doc/velmora/changelog.gz)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
# The program finds its tone module through the relative path compiled into it.
if(TONE_MODULE)
    get_filename_component(tone ${PREFIX}/${BINDIR}/${TONE_DIR}/${TONE_MODULE} ABSOLUTE)
    file(RELATIVE_PATH tone ${PREFIX} ${tone})
    list(APPEND expected ${tone})
endif()

# Exactly these files: a missing one breaks the menu entry, a stray one ends up in the package.
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    list(JOIN installed "\n    " text)
    list(APPEND failures "installed files:\n    ${text}")
endif()

# The application id ties the desktop entry, its icon and the metadata together.
foreach(check "${entry}|\nIcon=${APP_ID}\n" "${entry}|\nExec=velmora\n"
              "${metainfo}|<id>${APP_ID}</id>"
              "${metainfo}|<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
              "${metainfo}|<release version=\"${VERSION}\"")
    string(REPLACE "|" ";" check "${check}")
    list(GET check 0 file)
    list(GET check 1 needle)
    if(EXISTS ${PREFIX}/${file})
        file(READ ${PREFIX}/${file} text)
        string(FIND "${text}" "${needle}" at)
        if(at EQUAL -1)
            list(APPEND failures "${file} lacks ${needle}")
        endif()
    endif()
endforeach()

# The installed program runs from the tree and names its version, without a display.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        ${PREFIX}/${BINDIR}/velmora --version
                OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "velmora ${VERSION}\n")
    list(APPEND failures "installed velmora --version: ${status} '${out}'")
endif()

file(REMOVE_RECURSE ${PREFIX})
if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "install tree under ${PREFIX}:\n  ${text}")
endif()
message(STATUS "install tree complete: ${PREFIX}")
