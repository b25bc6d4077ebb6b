# The export benchmark (scripts/bench): a console program, not a test.
add_executable(zorvane_bench ${CMAKE_CURRENT_LIST_DIR}/bench.cpp)
target_link_libraries(zorvane_bench PRIVATE zorvane_core)
set_target_properties(zorvane_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# The extension-list benchmark (scripts/bench), likewise; its dialog row
# needs the program's bitmaps.
add_executable(zorvane_bench_ext ${CMAKE_CURRENT_LIST_DIR}/extensions.cpp $<TARGET_OBJECTS:zorvane_resources>)
target_link_libraries(zorvane_bench_ext PRIVATE zorvane_core)
set_target_properties(zorvane_bench_ext PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
