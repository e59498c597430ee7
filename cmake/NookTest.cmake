# nook_add_test(name SOURCES ... LIBS ...): one GoogleTest program, its tests listed one
# by one in CTest. The same sources build natively and for Windows (run under Wine).
set(NOOK_TEST_DATA_DIR ${CMAKE_SOURCE_DIR}/tests/data)
if(WIN32)
    # Wine maps the Linux root to drive Z:.
    string(REPLACE "/" "\\\\" _data_win "${NOOK_TEST_DATA_DIR}")
    set(NOOK_TEST_DATA_DEFINE "Z:${_data_win}")
else()
    set(NOOK_TEST_DATA_DEFINE "${NOOK_TEST_DATA_DIR}")
endif()

function(nook_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main nook_testsupport)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES TIMEOUT 120)
endfunction()
