# Faults survived: a full disk, a killed save, protected or odd targets, hostile config.cfg and
# dir.vlm contents, ping fields beyond a double.
velmora_add_test(tst_fault_save SOURCES tst_fault_save.cpp LIBS velmora_core)
