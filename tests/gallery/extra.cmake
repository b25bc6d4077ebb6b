# The control gallery, saved as build/gallery.png by the test run.
add_executable(gallery WIN32 ${CMAKE_CURRENT_LIST_DIR}/gallery.cpp $<TARGET_OBJECTS:zorvane_resources>)
target_link_libraries(gallery PRIVATE zorvane_core)
set_target_properties(gallery PROPERTIES LINK_FLAGS "-mconsole")
add_test(NAME Gallery.SavesScreenshot
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/gallery.sh ${CMAKE_BINARY_DIR}/wine-run $<TARGET_FILE:gallery> ${CMAKE_BINARY_DIR})
set_tests_properties(Gallery.SavesScreenshot PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120 RESOURCE_LOCK pointer)
