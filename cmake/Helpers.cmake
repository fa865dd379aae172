# Units compile in batches (a unity build): a batch parses the Win32, standard and
# GoogleTest headers once for several units, which is most of a unit's time. A
# batch holds up to VARNEL_UNITY_BATCH units of one folder, so names at file scope
# must differ within a folder; a unit whose file-scope names collide with a
# neighbour's is listed as SEPARATE and compiles on its own. VARNEL_UNITY=OFF
# compiles every unit on its own (scripts/check-units.sh), so that no unit leans on
# an include only a batch neighbour makes.
option(VARNEL_UNITY "Compile the units of each library and test program in batches" ON)
set(VARNEL_UNITY_BATCH 8 CACHE STRING "Units per batch of a unity build")

# varnel_unity(<target> [SEPARATE <units relative to the calling folder>...])
# The batches are files of the build folder that include their units by paths
# relative to the source root, so that the compiler cache (which makes paths below
# its base folder relative) recognises a batch in any checkout of the tree.
function(varnel_unity target)
  cmake_parse_arguments(ARG "" "" "SEPARATE" ${ARGN})
  if(NOT VARNEL_UNITY)
    return()
  endif()
  get_target_property(sources ${target} SOURCES)
  set(separate)
  foreach(unit IN LISTS ARG_SEPARATE)
    set(unit ${CMAKE_CURRENT_SOURCE_DIR}/${unit})
    if(NOT unit IN_LIST sources)
      message(FATAL_ERROR "${target}: ${unit}, listed as SEPARATE, is not one of its units")
    endif()
    list(APPEND separate ${unit})
  endforeach()
  set(batches)
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.cpp$" OR source IN_LIST separate)
      continue()  # a unit outside the batches compiles on its own
    endif()
    get_filename_component(folder ${source} DIRECTORY)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${folder})
    string(MAKE_C_IDENTIFIER "${folder}" folder)
    if(NOT DEFINED units_in_${folder})
      set(units_in_${folder} 0)
    endif()
    math(EXPR number "${units_in_${folder}} / ${VARNEL_UNITY_BATCH}")
    math(EXPR units_in_${folder} "${units_in_${folder}} + 1")
    set(batch ${folder}_${number})
    if(NOT batch IN_LIST batches)
      list(APPEND batches ${batch})
      set(text_${batch} "/* generated: one batch of ${target}'s units */\n")
    endif()
    file(RELATIVE_PATH unit ${PROJECT_SOURCE_DIR} ${source})
    string(APPEND text_${batch} "#include \"${unit}\"\n")
    set_source_files_properties(${source} PROPERTIES HEADER_FILE_ONLY ON)
  endforeach()
  foreach(batch IN LISTS batches)
    set(file ${CMAKE_CURRENT_BINARY_DIR}/unity/${target}/${batch}.cpp)
    file(CONFIGURE OUTPUT ${file} CONTENT "${text_${batch}}")  # rewritten only when it changes
    target_sources(${target} PRIVATE ${file})
  endforeach()
endfunction()

# varnel_library(<name> [DEPS ...] [SEPARATE ...]): a static library of every .cpp in the calling
# folder and its subfolders; the folder's parent is the include root, so units
# include each other as "platform/core/Classes.h".
function(varnel_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;SEPARATE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  if(NOT sources)  # a layer whose units are still to come
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  varnel_unity(${name} SEPARATE ${ARG_SEPARATE})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# Resource scripts (.rc) are compiled by windres: form definitions and pictures.
enable_language(RC)

# Test and benchmark code carries no debug information unless VARNEL_TEST_DEBUG_INFO
# is on: the compiler spends a fifth of a unit's time writing it, and the linker most
# of its time copying it. Test units compile at -O1, which takes a fifth less time than
# -O2 and runs them no slower (the code they test is the libraries'); benchmarks keep
# the program's -O2, since they time it.
option(VARNEL_TEST_DEBUG_INFO "Keep debug information in test and benchmark programs" OFF)
# A build whose tests do not run here (the 32-bit build where the tests run as
# 64-bit) still compiles the test and benchmark units, for the compile faults only
# that build shows, but does not link them: with VARNEL_LINK_TESTS off each such
# program is an object library of the same name, compiled without optimisation (the
# faults it looks for are the front end's, at a third less time). Unoptimised
# batches can exceed the 32,767 sections of a plain COFF object, hence big objects.
option(VARNEL_LINK_TESTS "Link the test and benchmark programs" ON)

# varnel_test_code(<target> <optimisation when linked>): the compile (and link)
# settings of test and benchmark code, as described above.
function(varnel_test_code target optimisation)
  if(NOT VARNEL_LINK_TESTS)
    target_compile_options(${target} PRIVATE -O0 -g0 -Wa,-mbig-obj)
    return()
  endif()
  target_compile_options(${target} PRIVATE ${optimisation})
  if(VARNEL_TEST_DEBUG_INFO)
    return()
  endif()
  target_compile_options(${target} PRIVATE -g0)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL EXECUTABLE)
    target_link_options(${target} PRIVATE -Wl,--strip-debug)  # the libraries' information
  endif()
endfunction()

# varnel_test_in_session(<test>...): the tests run a program under Wine, which takes
# one of the test command's sessions (a display and a Wine prefix of its own,
# scripts/session.sh) while it runs, so that programs run side by side share no
# focus, pointer or Wine server. CTest hands them out with --resource-spec-file.
function(varnel_test_in_session)
  set_tests_properties(${ARGN} PROPERTIES RESOURCE_GROUPS session:1)
endfunction()

# varnel_test_program(<name> [DEPS ...] [SEPARATE ...]): one GoogleTest program of
# every .cpp (and every .rc resource script) in the calling folder, run under Wine
# as one CTest test.
function(varnel_test_program name)
  cmake_parse_arguments(ARG "" "" "DEPS;SEPARATE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()  # a folder whose tests are still to come
  endif()
  file(GLOB_RECURSE scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
  if(scripts)
    list(APPEND sources ${scripts})
  endif()
  if(NOT VARNEL_LINK_TESTS)
    add_library(${name} OBJECT ${sources})
    varnel_unity(${name} SEPARATE ${ARG_SEPARATE})
    varnel_test_code(${name} -O1)
    target_link_libraries(${name} PRIVATE test_harness ${ARG_DEPS})
    return()
  endif()
  add_executable(${name} ${sources})
  varnel_unity(${name} SEPARATE ${ARG_SEPARATE})
  varnel_test_code(${name} -O1)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE test_harness ${ARG_DEPS})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 1200)
  varnel_test_in_session(${name})
endfunction()
