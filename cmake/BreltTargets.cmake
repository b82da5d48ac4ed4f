# Shared build rules: one library per folder, warnings everywhere, optional sanitizers.

function(brelt_warnings target)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        return()
    endif()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow=local -Wnon-virtual-dtor)
    if(BRELT_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(BRELT_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=undefined)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# brelt_library(<target> DEPS <libs...>): a library of every .cpp (and .qrc) in the current folder.
# Headers are included by their path from the source root: #include "engine/evaluator.h".
function(brelt_library target)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(sources)
        add_library(${target} STATIC ${sources} ${headers})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} PUBLIC ${ARG_DEPS})
        if(BRELT_SANITIZE)
            target_link_options(${target} INTERFACE -fsanitize=address,undefined)
        endif()
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    endif()
    brelt_warnings(${target})
endfunction()

# brelt_test(<target> DEPS <libs...> [GUI|WIDGETS]): one GoogleTest program of every .cpp in the
# current folder; each case becomes a ctest test. GUI tests get a main with a QGuiApplication,
# WIDGETS tests one with a QApplication and the modal-dialog watchdog; both run offscreen.
function(brelt_test target)
    cmake_parse_arguments(ARG "GUI;WIDGETS" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
    if(ARG_WIDGETS)
        target_link_libraries(${target} PRIVATE brelt_test_widgets_main)
    elseif(ARG_GUI)
        target_link_libraries(${target} PRIVATE brelt_test_gui_main)
    else()
        target_link_libraries(${target} PRIVATE GTest::gtest_main)
    endif()
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    # Where the sources and the folder's test data are, compiled in: a path from __FILE__ is not
    # absolute under a compiler cache, and ctest passes only one variable of an environment list.
    target_compile_definitions(${target} PRIVATE BRELT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                                 BRELT_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}")
    brelt_warnings(${target})
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
