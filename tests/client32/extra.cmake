# The mail client's stand-in is a 32-bit program in both builds, built with the
# 32-bit compiler whatever the build's own target is, and placed next to the
# registry tests that run it.
find_program(ZV_CC32 i686-w64-mingw32-gcc-win32 REQUIRED)
set(ZV_CLIENT32 ${CMAKE_CURRENT_BINARY_DIR}/client32.exe)
add_custom_command(OUTPUT ${ZV_CLIENT32}
                   COMMAND ${ZV_CC32} -O2 -s -Wall -o ${ZV_CLIENT32} ${CMAKE_CURRENT_LIST_DIR}/client32.c
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/client32.c VERBATIM)
add_custom_target(client32 ALL DEPENDS ${ZV_CLIENT32})
add_dependencies(test_registry client32)
