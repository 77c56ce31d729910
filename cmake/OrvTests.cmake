# GoogleTest: the system's prebuilt library natively; built from Debian's googletest source for
# the cross build (the Windows toolchain file sets ORV_GTEST_FROM_SOURCE).
if(ORV_GTEST_FROM_SOURCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(ORV_GTEST_LIBS GTest::gtest GTest::gmock GTest::gtest_main)
else()
  find_package(GTest REQUIRED)
  set(ORV_GTEST_LIBS GTest::gtest GTest::gmock GTest::gtest_main)
endif()
include(GoogleTest)

# The test programs' code is compiled without optimisation in every build (ORV_TEST_OPTIONS, set
# in the top CMakeLists.txt): it runs for seconds, while optimising its many small TEST bodies
# doubled the build. The code under test keeps the build's own flags. GoogleTest's headers (and
# the standard headers most tests use) are precompiled once, by orv_test_pch, and reused by
# every test program.
file(WRITE ${CMAKE_BINARY_DIR}/orv_test_pch.cpp "int main() { return 0; }\n")
add_executable(orv_test_pch EXCLUDE_FROM_ALL ${CMAKE_BINARY_DIR}/orv_test_pch.cpp)
# orv_core too: its compile definitions (the Windows API level) must be those of the tests.
target_link_libraries(orv_test_pch PRIVATE orv_core ${ORV_GTEST_LIBS})
target_compile_options(orv_test_pch PRIVATE ${ORV_TEST_OPTIONS})
target_precompile_headers(orv_test_pch PRIVATE
  <gtest/gtest.h> <gmock/gmock.h> <chrono> <cstdint> <filesystem> <fstream> <string> <vector>)

# orv_add_test(NAME SOURCES file... LIBS target... [COST N]): COST puts the program's tests
# first in a CTest run, for those that wait out long time-outs (a fresh clone has no timings).
function(orv_add_test name)
  cmake_parse_arguments(T "" "COST" "SOURCES;LIBS" ${ARGN})
  if(NOT T_COST)
    set(T_COST 0)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} orv_core ${ORV_GTEST_LIBS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${ORV_TEST_OPTIONS})
  target_precompile_headers(${name} REUSE_FROM orv_test_pch)
  # Test files are compiled together in every build, even one that compiles the product's
  # files one by one (-DCMAKE_UNITY_BUILD=OFF, which shows that each includes what it uses).
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON)
  if(CMAKE_CROSSCOMPILING)
    # Every program started under the emulator costs about a second: one CTest test per program.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "ORV_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
                         TIMEOUT 300)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "ORV_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
                                    TIMEOUT 300 COST ${T_COST})
  endif()
endfunction()
