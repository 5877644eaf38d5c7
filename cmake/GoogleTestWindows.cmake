# A cross build finds no GoogleTest for its target: Debian's sources (package googletest) are
# built with the cross compiler instead.
enable_language(C)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(bersaglio gtest gtest_main)
  if(NOT TARGET GTest::${bersaglio})
    add_library(GTest::${bersaglio} ALIAS ${bersaglio})
  endif()
endforeach()
