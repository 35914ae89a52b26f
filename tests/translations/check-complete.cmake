# The English translation covers every text of the program: lupdate brings the sources' texts into
# a copy of the .ts, and lrelease must then find every one of them finished.
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCE_DIR=... -DTS=... -DWORK=... -P check-complete.cmake
file(MAKE_DIRECTORY ${WORK})
set(copy ${WORK}/velmora_en.ts)
configure_file(${TS} ${copy} COPYONLY)
execute_process(COMMAND ${LUPDATE} -no-obsolete -locations none ${SOURCE_DIR} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${out}")
endif()
execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK}/velmora_en.qm
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lrelease failed")
endif()
if(NOT out MATCHES "\\(([0-9]+) finished and 0 unfinished\\)" OR out MATCHES "untranslated")
    message(FATAL_ERROR "the English translation is missing texts: run the update_translations "
                        "target and translate every unfinished entry")
endif()
