velmora_add_test(tst_index_rus SOURCES tst_index_rus.cpp indexrus_fixture.h LIBS velmora_gui)
velmora_add_test(tst_index_rus_commands SOURCES tst_index_rus_commands.cpp indexrus_fixture.h
                 LIBS velmora_gui)
