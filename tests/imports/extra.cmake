# The program must start on the oldest Windows it is built for: it may import
# no function that the headers declare only for newer versions.
find_program(ZV_PYTHON python3 REQUIRED)
add_test(NAME Imports.OnlyFunctionsOfTheOldestWindows
         COMMAND ${ZV_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/check_imports.py
                 --cc ${CMAKE_C_COMPILER} --objdump ${CMAKE_OBJDUMP} --exe $<TARGET_FILE:zorvane>
                 --oldest ${ZORVANE_WINNT} --libs "${ZORVANE_LIBS}")
set_tests_properties(Imports.OnlyFunctionsOfTheOldestWindows PROPERTIES TIMEOUT 120)
