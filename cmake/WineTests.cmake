# Tests of the Windows build: Windows programs that CTest runs under wine.
#
# All of them share one wine prefix in this build folder, made by the test
# wine.setup and removed with the wine server's folder by wine.cleanup (CTest
# fixtures, so both run whatever subset of tests is chosen). A 32-bit program
# runs only where this machine runs 32-bit programs (tools/wine-probe.sh);
# elsewhere its test is reported as skipped, with the reason, never as passed.
#
# srtf_add_wine_test(NAME PROGRAM [ARGS arg...] [LABELS label...])

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(SRTF_WINE_BITS 32)
else()
  set(SRTF_WINE_BITS 64)
endif()
set(SRTF_WINE_RUN ${CMAKE_SOURCE_DIR}/tools/wine-run.sh)
set(SRTF_WINE_DIR ${CMAKE_BINARY_DIR}/wine)

add_test(NAME wine.setup COMMAND bash ${SRTF_WINE_RUN} --setup ${SRTF_WINE_DIR})
set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP wine_prefix LABELS wine TIMEOUT 300)
add_test(NAME wine.cleanup COMMAND bash ${SRTF_WINE_RUN} --cleanup ${SRTF_WINE_DIR})
set_tests_properties(wine.cleanup PROPERTIES FIXTURES_CLEANUP wine_prefix LABELS wine TIMEOUT 120)

function(srtf_add_wine_test name program)
  cmake_parse_arguments(ARG "" "" "ARGS;LABELS" ${ARGN})
  add_test(NAME ${name}
           COMMAND bash ${SRTF_WINE_RUN} ${SRTF_WINE_BITS} ${SRTF_WINE_DIR} ${program} ${ARG_ARGS})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    SKIP_RETURN_CODE 77
    LABELS "wine;win${SRTF_WINE_BITS};${ARG_LABELS}"
    TIMEOUT 300)
endfunction()
