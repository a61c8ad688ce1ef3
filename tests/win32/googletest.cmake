# The Windows build's tests: GoogleTest from Debian's sources (the package googletest) made by the
# cross compiler, and every test program run under Wine by wine.sh, with its Wine prefix in the
# build folder.
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
add_subdirectory(/usr/src/googletest "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
# Its own CMake files name the libraries GTest::gtest and GTest::gtest_main, as find_package does.

set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine.sh;${PROJECT_BINARY_DIR}/wine")

include(GoogleTest)
# Under Wine each start of a program costs a Wine session of its own, about two seconds: a test
# program runs all its cases in one start, as one ctest test. GoogleTest's report names every
# failing case.
function(gtest_discover_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 discover "" "" "PROPERTIES")
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES TIMEOUT 600 ${discover_PROPERTIES})
  set_property(TEST ${target} APPEND PROPERTY LABELS windows)
endfunction()
