# Helpers that give every test program the same shape.
#
# zorvik_add_test_suite(NAME LABEL module SOURCES ... LIBS ...)
#   One GoogleTest executable; each test case becomes a CTest test carrying the module label,
#   so `ctest -L foundation` runs one module.
# zorvik_add_fuzz_target(NAME SOURCES ... LIBS ... CORPUS dir [SECONDS n])
#   A libFuzzer executable run by CTest (label fuzz) for a bounded time over its seed corpus.
#   New inputs go to a folder in the build tree, never into the repository.

function(zorvik_add_test_suite name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ZORVIK_TESTS)
    return()
  endif()
  find_package(GTest REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  include(GoogleTest)
  gtest_discover_tests(${name}
    PROPERTIES LABELS "${ARG_LABEL}"
    DISCOVERY_TIMEOUT 60)
endfunction()

function(zorvik_add_fuzz_target name)
  cmake_parse_arguments(ARG "" "CORPUS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT ZORVIK_FUZZ)
    return()
  endif()
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 20)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(work "${CMAKE_BINARY_DIR}/fuzz-corpus/${name}")
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
            $<TARGET_FILE:${name}> -max_total_time=${ARG_SECONDS} -timeout=10 -rss_limit_mb=2048
            -print_final_stats=1 ${work} ${ARG_CORPUS})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 300)
  file(MAKE_DIRECTORY ${work})
endfunction()
