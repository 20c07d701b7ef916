# rc_core_test(name SOURCES ... LIBS ... [SERIAL] [TIMEOUT s]): a GoogleTest executable of Qt-free tests.
# rc_gui_test(name SOURCES ... LIBS ... [SERIAL] [TIMEOUT s]): one that needs a QApplication; its main
# (tests/support/gui_main.cpp) picks the offscreen platform when none is set.
# SERIAL keeps tests that use real time, ptys or other programs from running beside any other test.

function(rc_test_properties name serial timeout env)
    # Transfers and saves keep copies in the user's data folder: a test's go to the build tree.
    set(props ENVIRONMENT_MODIFICATION "XDG_DATA_HOME=set:${PROJECT_BINARY_DIR}/test-data-home")
    if(env)
        list(APPEND props ENVIRONMENT "${env}")
    endif()
    if(serial)
        list(APPEND props RUN_SERIAL TRUE)
    endif()
    if(timeout)
        list(APPEND props TIMEOUT ${timeout})
    endif()
    target_compile_definitions(${name} PRIVATE RC_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                               RC_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${props})
endfunction()

function(rc_core_test name)
    cmake_parse_arguments(T "SERIAL" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main rc_warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    rc_test_properties(${name} "${T_SERIAL}" "${T_TIMEOUT}" "")
endfunction()

function(rc_gui_test name)
    cmake_parse_arguments(T "SERIAL" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/gui_main.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets Qt6::Test GTest::gtest rc_warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    rc_test_properties(${name} "${T_SERIAL}" "${T_TIMEOUT}" "QT_QPA_PLATFORM=offscreen")
endfunction()
