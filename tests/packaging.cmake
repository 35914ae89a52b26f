# What a desktop and a package manager read: the metadata validates, the manual page formats
# cleanly, and `cmake --install` lays out the tree the package is made of. Validators that are
# missing skip their test with the reason (exit 77).
if(NOT UNIX OR APPLE)
    return()
endif()
set(checks ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
add_test(NAME validate_metainfo
         COMMAND sh ${checks}/validate.sh appstreamcli validate --no-net
                 ${PROJECT_BINARY_DIR}/${VELMORA_APP_ID}.metainfo.xml)
add_test(NAME validate_desktop_entry
         COMMAND sh ${checks}/validate.sh desktop-file-validate
                 ${PROJECT_BINARY_DIR}/${VELMORA_APP_ID}.desktop)
add_test(NAME manual_page COMMAND sh ${checks}/check-man.sh ${PROJECT_BINARY_DIR}/velmora.1)
set_tests_properties(validate_metainfo validate_desktop_entry manual_page PROPERTIES
                     SKIP_RETURN_CODE 77 TIMEOUT 60 LABELS packaging)

set(tone_module "")
if(TARGET velmora_tone)
    set(tone_module $<TARGET_FILE_NAME:velmora_tone>)
endif()
add_test(NAME install_tree
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                 -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-tree -DAPP_ID=${VELMORA_APP_ID}
                 -DVERSION=${PROJECT_VERSION} -DBINDIR=${CMAKE_INSTALL_BINDIR}
                 -DMANDIR=${CMAKE_INSTALL_MANDIR} -DDATADIR=${CMAKE_INSTALL_DATADIR}
                 -DTONE_DIR=${VELMORA_TONE_DIR_FROM_BIN} -DTONE_MODULE=${tone_module}
                 -P ${checks}/check-install.cmake)
set_tests_properties(install_tree PROPERTIES TIMEOUT 120 LABELS packaging)

# The icon PNGs are renderings of the SVG, and the window icon is made of them.
velmora_add_test(tst_appicon SOURCES tst_appicon.cpp LIBS velmora_gui)
target_compile_definitions(tst_appicon PRIVATE
                           VELMORA_RESOURCES_DIR="${PROJECT_SOURCE_DIR}/resources")

# Every text a player reads has its English translation (see translations/velmora_en.ts).
add_test(NAME translation_complete
         COMMAND ${CMAKE_COMMAND} -DLUPDATE=$<TARGET_FILE:Qt6::lupdate>
                 -DLRELEASE=$<TARGET_FILE:Qt6::lrelease> -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
                 -DTS=${PROJECT_SOURCE_DIR}/translations/velmora_en.ts
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/translation-check
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/translations/check-complete.cmake)
set_tests_properties(translation_complete PROPERTIES TIMEOUT 120 LABELS packaging)
