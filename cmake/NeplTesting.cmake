# GoogleTest from Debian's sources, built with whatever toolchain this build uses,
# and a helper that turns one test source into one CTest test.
enable_testing()

set(NEPL_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${NEPL_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(NEPL_WINDOWS)
  # Tests run through Wine in a prefix of this build folder, headless.
  set(NEPL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-exec.in ${CMAKE_BINARY_DIR}/wine-exec @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-exec)
endif()
set(NEPL_TEST_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR})
configure_file(${PROJECT_SOURCE_DIR}/cmake/test-exec.in ${CMAKE_BINARY_DIR}/test-exec @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# nepl_test(<name> SOURCES ... [DEPENDS ...] [RESOURCE_LOCK ...] [TIMEOUT seconds])
# Locks in use: port161 and port162 for tests that bind those ports. Every test
# of the Windows build also takes the lock "desktop": all test programs of a
# run share one Wine desktop, and a window shown by one would take the
# keyboard focus and the foreground from another's.
function(nepl_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;DEPENDS;RESOURCE_LOCK" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE nepl_options ${ARG_DEPENDS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${CMAKE_BINARY_DIR}/test-exec $<TARGET_FILE:${name}>)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  # A program that dies mid-run may still exit with 0 under Wine (a stack
  # overflow does), so a test passes only when GoogleTest says it finished;
  # and since that overrides the exit code, test-exec names a non-zero one
  # (a fault at the process's end) for the test to fail on.
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]|Test program ended with exit code")
  if(NEPL_WINDOWS)
    list(APPEND ARG_RESOURCE_LOCK desktop)
  endif()
  if(ARG_RESOURCE_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${ARG_RESOURCE_LOCK}")
  endif()
endfunction()
