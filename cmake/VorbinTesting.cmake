# GoogleTest from the sources Debian installs, built the same way in every configuration,
# and a helper that declares one test executable.
set(VORBIN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")

if(BUILD_TESTING AND NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VORBIN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

include(GoogleTest)

# vorbin_add_gtest(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2)
# Builds one GoogleTest executable and registers its tests with CTest. Under a cross
# build the tests run through CMAKE_CROSSCOMPILING_EMULATOR (Wine), so discovery
# happens when the tests run, once the Wine prefix is ready.
function(vorbin_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT BUILD_TESTING)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 120)
endfunction()
