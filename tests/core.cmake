velmora_add_test(tst_options SOURCES tst_options.cpp LIBS velmora_core)
velmora_add_test(tst_generator SOURCES tst_generator.cpp LIBS velmora_core)
velmora_add_test(tst_digitfilter SOURCES tst_digitfilter.cpp LIBS velmora_core)
velmora_add_test(tst_textcodec SOURCES tst_textcodec.cpp LIBS velmora_core)
velmora_add_test(tst_pathfile SOURCES tst_pathfile.cpp LIBS velmora_core)
velmora_add_test(tst_bindimport SOURCES tst_bindimport.cpp LIBS velmora_core)
velmora_add_test(tst_autoexec SOURCES tst_autoexec.cpp LIBS velmora_core)
# Runs the real executable: --print-config is the command-line face of the generator; --version
# and refused options must answer without a display too.
velmora_add_test(tst_printconfig SOURCES tst_printconfig.cpp LIBS velmora_core)
target_compile_definitions(tst_printconfig PRIVATE VELMORA_EXE="$<TARGET_FILE:velmora>"
                           VELMORA_EXPECTED_VERSION="${PROJECT_VERSION}")
add_dependencies(tst_printconfig velmora)
velmora_add_test(tst_keyvalues SOURCES tst_keyvalues.cpp LIBS velmora_core)
velmora_add_test(tst_steamgame SOURCES tst_steamgame.cpp LIBS velmora_core)
velmora_add_test(tst_optiontip SOURCES tst_optiontip.cpp LIBS velmora_core)
velmora_add_test(tst_userconfig SOURCES tst_userconfig.cpp LIBS velmora_core)
velmora_add_test(tst_scriptcheck SOURCES tst_scriptcheck.cpp LIBS velmora_core)
# Checks the README's table of the game's commands against the one in the code.
target_compile_definitions(tst_scriptcheck PRIVATE VELMORA_README="${PROJECT_SOURCE_DIR}/README.md")
velmora_add_test(tst_linediff SOURCES tst_linediff.cpp LIBS velmora_core)
velmora_add_test(tst_configreader SOURCES tst_configreader.cpp LIBS velmora_core)
# The crosshair preview's geometry and spread, as the game's client draws them.
velmora_add_test(tst_crosshair SOURCES tst_crosshair.cpp LIBS velmora_core)
