# rc_core_test(name sources... LIBS libs...): a GoogleTest executable of Qt-free tests.
function(rc_core_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main rc_warnings)
    target_compile_definitions(${name} PRIVATE RC_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                               RC_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# rc_gui_test(name sources... LIBS libs...): a GoogleTest executable that needs a QApplication.
# Its main (tests/support/gui_main.cpp) picks the offscreen platform when none is set.
function(rc_gui_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/gui_main.cpp)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets Qt6::Test GTest::gtest rc_warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_compile_definitions(${name} PRIVATE RC_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                               RC_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
