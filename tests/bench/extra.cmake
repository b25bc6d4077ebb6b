# The export benchmark (scripts/bench): a console program, not a test, built
# for the 64-bit program that scripts/bench measures.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  return()
endif()
add_executable(zorvane_bench ${CMAKE_CURRENT_LIST_DIR}/bench.cpp)
target_link_libraries(zorvane_bench PRIVATE zorvane_core)
set_target_properties(zorvane_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
