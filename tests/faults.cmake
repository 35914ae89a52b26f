# Faults survived: a full disk, a killed save, protected or odd targets, hostile config.cfg and
# dir.vlm contents, ping fields beyond a double.
velmora_add_test(tst_fault_save SOURCES tst_fault_save.cpp LIBS velmora_core)
velmora_add_test(tst_fault_import SOURCES tst_fault_import.cpp LIBS velmora_core)
velmora_add_test(tst_fault_input SOURCES tst_fault_input.cpp LIBS velmora_core)
# The same bytes through the real main window's config box.
velmora_add_test(tst_fault_window SOURCES tst_fault_window.cpp LIBS velmora_gui)
# What is not a regular file in a game file's place, and lines without end into the import.
if(UNIX)
    velmora_add_test(tst_fault_nonregular SOURCES tst_fault_nonregular.cpp LIBS velmora_core)
endif()
