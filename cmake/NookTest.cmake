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

# A stand-in service for the tests that require fixture `name`, started natively on a
# free port written to `port_file` before them and stopped after them.
function(nook_standin_fixture name port_file)
    set(service ${PROJECT_SOURCE_DIR}/tests/net/service.sh)
    add_test(NAME ${name}_start COMMAND ${service} start ${port_file})
    add_test(NAME ${name}_stop COMMAND ${service} stop ${port_file})
    set_tests_properties(${name}_start PROPERTIES FIXTURES_SETUP ${name})
    set_tests_properties(${name}_stop PROPERTIES FIXTURES_CLEANUP ${name})
endfunction()
