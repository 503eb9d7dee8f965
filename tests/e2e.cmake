# The end-to-end run of the installed program under Xvfb.
add_test(NAME e2e_desktop_session
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/desktop-session.sh ${CMAKE_BINARY_DIR})
set_tests_properties(e2e_desktop_session PROPERTIES LABELS e2e TIMEOUT 180 RUN_SERIAL TRUE
    ENVIRONMENT "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config")
