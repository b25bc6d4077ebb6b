# The benchmarks (scripts/bench): console programs, not tests, built for the
# 64-bit program that scripts/bench measures.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  return()
endif()
add_executable(zorvane_bench ${CMAKE_CURRENT_LIST_DIR}/bench.cpp)
target_link_libraries(zorvane_bench PRIVATE zorvane_core)
set_target_properties(zorvane_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# The extension-list benchmark (scripts/bench), likewise; its dialog row
# needs the program's bitmaps.
add_executable(zorvane_bench_ext ${CMAKE_CURRENT_LIST_DIR}/extensions.cpp $<TARGET_OBJECTS:zorvane_resources>)
target_link_libraries(zorvane_bench_ext PRIVATE zorvane_core)
set_target_properties(zorvane_bench_ext PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# The profile benchmark (scripts/bench profile), likewise.
add_executable(zorvane_bench_profile ${CMAKE_CURRENT_LIST_DIR}/profile.cpp $<TARGET_OBJECTS:zorvane_resources>)
target_link_libraries(zorvane_bench_profile PRIVATE zorvane_core)
set_target_properties(zorvane_bench_profile PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# Start-up: a launcher that times launch to painted window, and the blank
# popup it measures the program against. The popup links nothing of ours.
add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup.cpp)
target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(startup_bench PRIVATE psapi)
add_executable(blank_popup WIN32 ${CMAKE_CURRENT_LIST_DIR}/blank_popup.cpp)
set_target_properties(startup_bench blank_popup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

# The start-up cost of a needless import shows only in the bench; this keeps
# it from coming back unnoticed.
add_test(NAME Startup.ProgramImportsNoDllBoundOnFirstUse
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=$<TARGET_FILE:zorvane>
                 "-DLAZY=comdlg32.dll\\;shell32.dll\\;winmm.dll\\;msimg32.dll" -P ${CMAKE_CURRENT_LIST_DIR}/imports.cmake)
