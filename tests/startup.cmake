# Start-up: the folder chooser, the about window, the program start, and the whole program end to
# end under a real X server.
velmora_add_test(tst_chooser SOURCES tst_chooser.cpp LIBS velmora_gui)
velmora_add_test(tst_about SOURCES tst_about.cpp LIBS velmora_gui)
velmora_add_test(tst_startup SOURCES tst_startup.cpp LIBS velmora_gui)

# The whole program under a real X server (Xvfb), with openbox as window manager and xdotool as the
# user. Registered only where those tools are installed (scripts/install-deps.sh installs them).
find_program(VELMORA_XVFB_RUN xvfb-run)
find_program(VELMORA_OPENBOX openbox)
find_program(VELMORA_XDOTOOL xdotool)
find_program(VELMORA_XWININFO xwininfo)
find_program(VELMORA_XPROP xprop)
if(VELMORA_XVFB_RUN AND VELMORA_OPENBOX AND VELMORA_XDOTOOL AND VELMORA_XWININFO AND VELMORA_XPROP)
    add_test(NAME e2e_velmora
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run-e2e.sh $<TARGET_FILE:velmora>)
    set_tests_properties(e2e_velmora PROPERTIES TIMEOUT 120 LABELS e2e)
else()
    message(STATUS "End-to-end test skipped: it needs xvfb-run, openbox, xdotool, xwininfo, xprop")
endif()
