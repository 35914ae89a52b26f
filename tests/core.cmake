velmora_add_test(tst_options SOURCES tst_options.cpp LIBS velmora_core)
velmora_add_test(tst_generator SOURCES tst_generator.cpp LIBS velmora_core)
velmora_add_test(tst_digitfilter SOURCES tst_digitfilter.cpp LIBS velmora_core)
velmora_add_test(tst_textcodec SOURCES tst_textcodec.cpp LIBS velmora_core)
