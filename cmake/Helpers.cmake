# varnel_library(<name> [DEPS ...]): a static library of every .cpp in the calling
# folder and its subfolders; the folder's parent is the include root, so units
# include each other as "platform/core/Classes.h".
function(varnel_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  if(NOT sources)  # a layer whose units are still to come
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# Resource scripts (.rc) are compiled by windres: form definitions and pictures.
enable_language(RC)

# varnel_test_program(<name> [DEPS ...]): one GoogleTest program of every .cpp (and
# every .rc resource script) in the calling folder, run under Wine as one CTest test.
function(varnel_test_program name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()  # a folder whose tests are still to come
  endif()
  file(GLOB_RECURSE scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
  if(scripts)
    list(APPEND sources ${scripts})
  endif()
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE test_harness ${ARG_DEPS})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 1200)
endfunction()
