# SPDX-License-Identifier: MIT
# Helpers shared by the module and test folders.

# valdora_library(NAME DIR [DEPS ...]): a static library of every .cpp in DIR (searched again
# at each build, so that new files need no edit here).
function(valdora_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS;GLOB" ${ARGN})
  if(NOT ARG_GLOB)
    set(ARG_GLOB "*.cpp")
  endif()
  set(sources)
  foreach(pattern ${ARG_GLOB})
    file(GLOB found CONFIGURE_DEPENDS ${dir}/${pattern})
    list(APPEND sources ${found})
  endforeach()
  file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
  if(NOT sources)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# valdora_gtest_per_file(DIR LIBS...): one GoogleTest executable and one CTest test for every
# .cpp in DIR, each linking the given library targets.
function(valdora_gtest_per_file dir)
  find_package(GTest REQUIRED)
  file(GLOB tests CONFIGURE_DEPENDS ${dir}/*.cpp)
  get_filename_component(folder ${dir} NAME)
  foreach(src ${tests})
    get_filename_component(stem ${src} NAME_WE)
    set(target test_${folder}_${stem})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${dir})
    add_test(NAME ${folder}.${stem} COMMAND ${target})
  endforeach()
endfunction()

# valdora_qttest_per_file(DIR LIBS...): one QtTest executable (QTEST_MAIN in the file) and one
# CTest test for every .cpp in DIR, run under the offscreen platform.
function(valdora_qttest_per_file dir)
  file(GLOB tests CONFIGURE_DEPENDS ${dir}/*.cpp)
  get_filename_component(folder ${dir} NAME)
  foreach(src ${tests})
    get_filename_component(stem ${src} NAME_WE)
    set(target test_ui_${folder}_${stem})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${ARGN} Qt6::Test Qt6::Widgets)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${dir})
    add_test(NAME ui.${folder}.${stem} COMMAND ${target})
    set_tests_properties(ui.${folder}.${stem} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config/${target};HOME=${CMAKE_BINARY_DIR}/test-home/${target}")
  endforeach()
endfunction()

# Adds every direct subfolder of the current folder that has a CMakeLists.txt.
function(valdora_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
