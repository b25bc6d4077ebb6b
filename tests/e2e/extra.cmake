# End-to-end check: the real program under Wine, driven with xdotool, in a
# prefix of its own without the mail client.
add_executable(boxtext ${CMAKE_CURRENT_LIST_DIR}/boxtext.cpp)
add_test(NAME EndToEnd.AllgemeinWithoutClientShowsNotInstalled
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/not_installed.sh $<TARGET_FILE:zorvane> $<TARGET_FILE:boxtext>
                 ${CMAKE_BINARY_DIR}/e2e-prefix ${CMAKE_SOURCE_DIR})
set_tests_properties(EndToEnd.AllgemeinWithoutClientShowsNotInstalled PROPERTIES TIMEOUT 180)
add_test(NAME EndToEnd.IdentityDialogOkWithoutChangesKeepsTheIdentities
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/ident_ok.sh $<TARGET_FILE:zorvane> ${CMAKE_BINARY_DIR}/e2e-ident-prefix
                 ${CMAKE_SOURCE_DIR})
set_tests_properties(EndToEnd.IdentityDialogOkWithoutChangesKeepsTheIdentities PROPERTIES TIMEOUT 240)
