velmora_add_test(tst_tabcontrol SOURCES tst_tabcontrol.cpp LIBS velmora_gui)
velmora_add_test(tst_slider SOURCES tst_slider.cpp LIBS velmora_gui)
velmora_add_test(tst_tone SOURCES tst_tone.cpp LIBS velmora_gui)
velmora_add_test(tst_digitkeyfilter SOURCES tst_digitkeyfilter.cpp LIBS velmora_gui)
