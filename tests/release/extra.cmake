# Checks of the program as users get it.
# It must start on the oldest Windows it is built for: it may import no
# function that the headers declare only for newer versions.
find_program(ZV_PYTHON python3 HINTS /usr/bin REQUIRED)
add_test(NAME Release.ImportsOnlyFunctionsOfTheOldestWindows
         COMMAND ${ZV_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/check_imports.py
                 --cc ${CMAKE_C_COMPILER} --objdump ${CMAKE_OBJDUMP} --exe $<TARGET_FILE:zorvane>
                 --oldest ${ZORVANE_WINNT} --libs "${ZORVANE_LIBS}")
set_tests_properties(Release.ImportsOnlyFunctionsOfTheOldestWindows PROPERTIES TIMEOUT 120)
if(CMAKE_BUILD_TYPE MATCHES "^(Release|MinSizeRel)$")
  add_test(NAME Release.StrippedAndUnder2MB
           COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:zorvane> -DOBJDUMP=${CMAKE_OBJDUMP}
                   -P ${CMAKE_CURRENT_LIST_DIR}/check_size.cmake)
endif()
