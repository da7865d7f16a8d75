# SPDX-License-Identifier: MIT
# Helpers shared by the module and test folders. Every target names its source files: a new
# file is added to its folder's list by hand, so the lists say exactly what each target holds.

# valdora_library(NAME SOURCES files... [DEPS targets...]): a static library of the named files
# (relative to the current folder), with the project root as its include root.
function(valdora_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# valdora_gtest_tests(TESTS stems... LIBS targets...): one GoogleTest executable
# test_<folder>_<stem> and one CTest test <folder>.<stem> for each named <stem>.cpp of the
# current folder, each linking the given library targets.
function(valdora_gtest_tests)
  cmake_parse_arguments(ARG "" "" "TESTS;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  foreach(stem ${ARG_TESTS})
    set(target test_${folder}_${stem})
    add_executable(${target} ${stem}.cpp)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    add_test(NAME ${folder}.${stem} COMMAND ${target})
  endforeach()
endfunction()

# valdora_qttest_tests(TESTS stems... LIBS targets...): one QtTest executable
# test_ui_<folder>_<stem> (QTEST_MAIN in the file) and one CTest test ui.<folder>.<stem> for
# each named <stem>.cpp of the current folder, run under the offscreen platform.
function(valdora_qttest_tests)
  cmake_parse_arguments(ARG "" "" "TESTS;LIBS" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  foreach(stem ${ARG_TESTS})
    set(target test_ui_${folder}_${stem})
    add_executable(${target} ${stem}.cpp)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    add_test(NAME ui.${folder}.${stem} COMMAND ${target})
    set_tests_properties(ui.${folder}.${stem} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config/${target};HOME=${CMAKE_BINARY_DIR}/test-home/${target}")
  endforeach()
endfunction()
