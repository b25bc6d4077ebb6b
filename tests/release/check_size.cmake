# Fails when the program users get is 2 MB or more or still carries symbols.
# Run as: cmake -DEXE=... -DOBJDUMP=... -P check_size.cmake
file(SIZE "${EXE}" size)
message(STATUS "${EXE}: ${size} bytes")
if(size GREATER_EQUAL 2097152)
  message(FATAL_ERROR "the program has ${size} bytes, 2 MB or more")
endif()
execute_process(COMMAND "${OBJDUMP}" -t "${EXE}" OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT symbols MATCHES "SYMBOL TABLE:[\r\n]+no symbols")
  message(FATAL_ERROR "the program is not stripped")
endif()
