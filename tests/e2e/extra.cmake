# End-to-end check: the real program under Wine, driven with xdotool, in a
# prefix of its own.
add_executable(boxtext ${CMAKE_CURRENT_LIST_DIR}/boxtext.cpp)
add_test(NAME EndToEnd.AllgemeinWithoutClientShowsNotInstalled
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/not_installed.sh $<TARGET_FILE:zorvane> $<TARGET_FILE:boxtext>
                 ${CMAKE_BINARY_DIR}/e2e-prefix ${CMAKE_SOURCE_DIR})
set_tests_properties(EndToEnd.AllgemeinWithoutClientShowsNotInstalled PROPERTIES TIMEOUT 180 RESOURCE_LOCK pointer)

# A real click opens the global settings; OK without a change writes nothing.
add_test(NAME EndToEnd.AllgemeinOkWithoutChangesWritesNothing
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/settings_ok.sh $<TARGET_FILE:zorvane> ${CMAKE_BINARY_DIR}/e2e-settings-prefix
                 ${CMAKE_SOURCE_DIR} 248 144 "^Allgemeine Einstellungen von")
set_tests_properties(EndToEnd.AllgemeinOkWithoutChangesWritesNothing PROPERTIES TIMEOUT 180 RESOURCE_LOCK pointer)

# A real click opens the identity settings, Down chooses an identity, and OK
# without a change writes nothing.
add_test(NAME EndToEnd.IdentityDialogOkWithoutChangesWritesNothing
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/settings_ok.sh $<TARGET_FILE:zorvane> ${CMAKE_BINARY_DIR}/e2e-ident-prefix
                 ${CMAKE_SOURCE_DIR} 248 184 "Anpassen von Microsoft" Down)
set_tests_properties(EndToEnd.IdentityDialogOkWithoutChangesWritesNothing PROPERTIES TIMEOUT 180 RESOURCE_LOCK pointer)
