# The page's tests: GoogleTest from Debian's sources (the package googletest) made by Emscripten,
# without threads, and every test program run under node (the preset's emulator) as one ctest test
# labelled web: node starts in a fraction of a second, but a program's cases share one start.
set(BUILD_GMOCK OFF)
set(INSTALL_GTEST OFF)
set(gtest_disable_pthreads ON)
add_subdirectory(/usr/src/googletest "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)

include(GoogleTest)
set(DROBI_NODE_ENVIRONMENT "${CMAKE_CURRENT_LIST_DIR}/node_environment.js")
function(gtest_discover_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 discover "" "" "PROPERTIES")
  # The machine's files and environment through node, and a heap that grows with the long tables.
  target_link_options(${target} PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
    "--pre-js=${DROBI_NODE_ENVIRONMENT}")
  add_test(NAME web.${target} COMMAND ${target})
  set_tests_properties(web.${target} PROPERTIES TIMEOUT 300 LABELS web ${discover_PROPERTIES})
endfunction()
