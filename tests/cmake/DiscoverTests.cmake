# Run by CTest when it reads the test list: asks one test program for its
# tests (under Wine) and adds one CTest test for each. The program is asked
# again only after it was rebuilt. Expects ZV_EXE, ZV_EMULATOR, ZV_LIST_FILE.
if(NOT EXISTS "${ZV_EXE}")
  return()
endif()
get_filename_component(zv_name "${ZV_EXE}" NAME_WE)
if(NOT EXISTS "${ZV_LIST_FILE}" OR "${ZV_EXE}" IS_NEWER_THAN "${ZV_LIST_FILE}")
  execute_process(COMMAND "${ZV_EMULATOR}" "${ZV_EXE}" --gtest_list_tests
                  OUTPUT_VARIABLE zv_out RESULT_VARIABLE zv_rc TIMEOUT 180)
  if(NOT zv_rc EQUAL 0)
    # Leave no list behind, so that the next run asks again; the failing test
    # below makes the problem visible.
    file(REMOVE "${ZV_LIST_FILE}")
    add_test(NAME "${zv_name}.ListingTests" COMMAND "${ZV_EMULATOR}" "${ZV_EXE}" --gtest_list_tests)
    set_tests_properties("${zv_name}.ListingTests" PROPERTIES FIXTURES_REQUIRED wine WILL_FAIL FALSE)
    return()
  endif()
  file(WRITE "${ZV_LIST_FILE}" "${zv_out}")
endif()
file(STRINGS "${ZV_LIST_FILE}" zv_lines)
set(zv_suite "")
foreach(zv_line IN LISTS zv_lines)
  string(REPLACE "\r" "" zv_line "${zv_line}")
  if(zv_line MATCHES "^([^ #]+)\\.")
    set(zv_suite "${CMAKE_MATCH_1}")
  elseif(zv_line MATCHES "^  ([^ #]+)")
    set(zv_test "${zv_suite}.${CMAKE_MATCH_1}")
    add_test("${zv_test}" "${ZV_EMULATOR}" "${ZV_EXE}" "--gtest_filter=${zv_test}")
    # A test that skips itself is counted as skipped, not as passed.
    set_tests_properties("${zv_test}" PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120
                         WORKING_DIRECTORY "${ZV_WORKDIR}" SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\] 1 test")
    # Tests that put the real pointer somewhere, take the activation or show
    # a window (showing one activates it) must not run beside each other or
    # beside the end-to-end clicks, which find the program by its title: a
    # window of another test taking the activation between a hover and a
    # click turns the click into one into an inactive window. Only the
    # registry programs show no windows.
    set(zv_locks "")
    if(zv_name MATCHES "^test_(framework|controls|dialogs|app)$")
      list(APPEND zv_locks pointer)
    endif()
    # The file types below HKEY_CLASSES_ROOT are one shared tree in the test
    # prefix: tests that change them, or compare all of them before and
    # after, take turns.
    if(zv_test MATCHES "^(ClientView|ReadFileExtensions|RegBackupTest|RegHelpersList|AttachDlgTest|AllDlgTest)[./]")
      list(APPEND zv_locks classes-root)
    endif()
    if(zv_locks)
      set_tests_properties("${zv_test}" PROPERTIES RESOURCE_LOCK "${zv_locks}")
    endif()
  endif()
endforeach()
