# Start-up: the folder chooser, the about window, the program start, and the whole program end to
# end under a real X server.
velmora_add_test(tst_chooser SOURCES tst_chooser.cpp boxanswerer.h LIBS velmora_gui)
velmora_add_test(tst_about SOURCES tst_about.cpp LIBS velmora_gui)
