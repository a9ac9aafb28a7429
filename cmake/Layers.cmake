# One static library per source folder. Each library's headers are reachable only through its own
# include directory, which is handed on to the libraries that link it; a header that includes a
# header of a higher layer therefore fails to compile.
#
#   layer_library(<target> [DEPS <layer targets>...] [LIBS <system libraries>...])
#
# Sources are the folder's *.cpp files (a large unit may keep topic files in sub-folders named
# after the unit; list them with SUBDIRS).
function(layer_library target)
  cmake_parse_arguments(L "" "" "DEPS;LIBS;SUBDIRS" ${ARGN})
  set(globs ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(sub IN LISTS L_SUBDIRS)
    list(APPEND globs ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp)
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${globs})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${L_DEPS} PRIVATE ${L_LIBS})
  else()
    # A folder whose units are not written yet: keeps the dependency graph whole.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${L_DEPS})
  endif()
endfunction()

# One test executable per library, built from the mirrored folder under tests/. The shared main
# starts the units of the library (and of every layer below it) before the tests and stops them after.
#
#   layer_tests(<library target> <folder under tests/>)
function(layer_tests lib folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" name "${folder}")
  set(exe test_${name})
  add_executable(${exe} ${sources} ${CMAKE_SOURCE_DIR}/tests/support/TestMain.cpp)
  target_include_directories(${exe} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_definitions(${exe} PRIVATE TEST_UNITS_OF=RegisterUnits_${name})
  target_link_libraries(${exe} PRIVATE ${lib} GTest::gtest Threads::Threads)
  # Test code is mostly test-framework macros, whose optimisation and debug information cost more
  # than the tests save at run time: it is compiled unoptimised (the libraries under test keep the
  # build's flags), on a header precompiled once per test program.
  if(CMAKE_BUILD_TYPE STREQUAL "RelWithDebInfo" OR CMAKE_BUILD_TYPE STREQUAL "Release")
    target_compile_options(${exe} PRIVATE -O0 -g0)
  endif()
  target_precompile_headers(${exe} PRIVATE <gtest/gtest.h> <System.h>)
  # Test files are compiled in batches, which share the parsing of the headers they have in common.
  # A file that includes the X11 headers keeps a translation unit of its own: Xlib's names collide
  # with the runtime library's once another file of the batch has opened its namespaces.
  # A batched file counts as an included one, so GCC would warn about every test fixture kept in an
  # anonymous namespace of its own file; and the test framework's assertions expand to an if-else
  # that GCC takes for a dangling else under an unbraced if.
  set_target_properties(${exe} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  target_compile_options(${exe} PRIVATE "$<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage;-Wno-dangling-else>")
  foreach(src IN LISTS sources)
    file(STRINGS ${src} x11 REGEX "#include [<\"](X11/|X11TestSupport)" LIMIT_COUNT 1)
    if(x11)
      set_source_files_properties(${src} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
    endif()
  endforeach()
  add_test(NAME ${name} COMMAND ${exe} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT AT_SOURCE_DIR=${CMAKE_SOURCE_DIR})
endfunction()
