# Installs the build into a fresh temporary prefix and checks the tree a desktop and a package
# manager rely on. Run by CTest as
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DVERSION=... -DBINDIR=...
#         -DMANDIR=... -DDATADIR=... -DTONE_DIR=... [-DTONE_MODULE=name] -P check-install.cmake
cmake_minimum_required(VERSION 3.22)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(failures "")

set(icons ${PREFIX}/${DATADIR}/icons/hicolor)
set(expected
    ${BINDIR}/velmora
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
    ${MANDIR}/man1/velmora.1.gz
    ${DATADIR}/doc/velmora/copyright
    ${DATADIR}/doc/velmora/changelog.gz)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
# The program finds its tone module through the relative path compiled into it.
if(TONE_MODULE)
    get_filename_component(tone ${PREFIX}/${BINDIR}/${TONE_DIR}/${TONE_MODULE} ABSOLUTE)
    file(RELATIVE_PATH tone ${PREFIX} ${tone})
    list(APPEND expected ${tone})
endif()
foreach(path ${expected})
    if(NOT EXISTS ${PREFIX}/${path})
        list(APPEND failures "missing: ${path}")
    endif()
endforeach()

# Nothing else: a stray file would end up in the package too.
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
foreach(path ${installed})
    if(NOT path IN_LIST expected)
        list(APPEND failures "unexpected: ${path}")
    endif()
endforeach()

# Each PNG is as large as the folder it sits in says (the width and height of the IHDR chunk).
foreach(size 16 32 48 64 128 256)
    set(png ${icons}/${size}x${size}/apps/${APP_ID}.png)
    if(EXISTS ${png})
        file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
        math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
        string(SUBSTRING "${hex_size}" 2 -1 digits)
        string(LENGTH "${digits}" length)
        math(EXPR pad "8 - ${length}")
        string(REPEAT 0 ${pad} zeros)
        if(NOT header STREQUAL "${zeros}${digits}${zeros}${digits}")
            list(APPEND failures "${size}x${size} icon is not ${size} pixels square: ${header}")
        endif()
    endif()
endforeach()

# The application id ties the desktop entry, its icon and the metadata together.
set(entry ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
if(EXISTS ${entry})
    file(STRINGS ${entry} icon_line REGEX "^Icon=")
    if(NOT icon_line STREQUAL "Icon=${APP_ID}")
        list(APPEND failures "desktop entry: ${icon_line}")
    endif()
    file(STRINGS ${entry} exec_line REGEX "^Exec=")
    if(NOT exec_line STREQUAL "Exec=velmora")
        list(APPEND failures "desktop entry: ${exec_line}")
    endif()
endif()
set(metainfo ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
if(EXISTS ${metainfo})
    file(READ ${metainfo} xml)
    foreach(needle "<id>${APP_ID}</id>"
                   "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
                   "<release version=\"${VERSION}\"")
        string(FIND "${xml}" "${needle}" at)
        if(at EQUAL -1)
            list(APPEND failures "metainfo lacks ${needle}")
        endif()
    endforeach()
endif()

# The installed program runs from the tree and names its version, without a display.
if(EXISTS ${PREFIX}/${BINDIR}/velmora)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            ${PREFIX}/${BINDIR}/velmora --version
                    OUTPUT_VARIABLE out RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "velmora ${VERSION}\n")
        list(APPEND failures "installed velmora --version: ${status} '${out}'")
    endif()
endif()

file(REMOVE_RECURSE ${PREFIX})
if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "install tree under ${PREFIX}:\n  ${text}")
endif()
message(STATUS "install tree complete: ${PREFIX}")
