# The two shapes every folder of the project takes.

# vx_libreria(nome [DIPENDE lib...] [ESCLUDI file...] [SORGENTI file...])
# The static library of the calling folder: every .cpp below it but the excluded ones (names
# relative to the folder), plus any further sources; the headers are found from src/.
function(vx_libreria nome)
  cmake_parse_arguments(PARSE_ARGV 1 A "" "" "DIPENDE;ESCLUDI;SORGENTI")
  file(GLOB_RECURSE sorgenti CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(escluso IN LISTS A_ESCLUDI)
    list(REMOVE_ITEM sorgenti ${CMAKE_CURRENT_SOURCE_DIR}/${escluso})
  endforeach()
  add_library(${nome} STATIC ${sorgenti} ${A_SORGENTI})
  target_include_directories(${nome} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${nome} PUBLIC ${A_DIPENDE})
endfunction()

# vx_prove(nome LIBRERIE lib... [MAIN_PROPRIO] [SOLO_LINUX file...])
# The GoogleTest executable test_<nome> from every .cpp of the calling folder, registered with
# CTest test by test. MAIN_PROPRIO: the folder has its own main() (one QApplication per binary).
# SOLO_LINUX: files left out of the Windows build (fork, /proc, OFD locks); *_win32_test.cpp
# files are built only there. On Windows each binary is one CTest test run under Wine, one at
# a time: they share the test prefix's drive C:.
function(vx_prove nome)
  cmake_parse_arguments(PARSE_ARGV 1 A "MAIN_PROPRIO" "" "LIBRERIE;SOLO_LINUX")
  file(GLOB_RECURSE sorgenti CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(escluso IN LISTS A_SOLO_LINUX)  # a renamed file must not slip into the Windows build
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${escluso})
      message(FATAL_ERROR "vx_prove(${nome}): SOLO_LINUX names ${escluso}, which does not exist")
    endif()
  endforeach()
  if(WIN32)
    foreach(escluso IN LISTS A_SOLO_LINUX)
      list(REMOVE_ITEM sorgenti ${CMAKE_CURRENT_SOURCE_DIR}/${escluso})
    endforeach()
  else()
    list(FILTER sorgenti EXCLUDE REGEX "_win32_test\\.cpp$")
  endif()
  add_executable(test_${nome} ${sorgenti})
  if(A_MAIN_PROPRIO)
    target_link_libraries(test_${nome} PRIVATE ${A_LIBRERIE} GTest::gtest)
  else()
    target_link_libraries(test_${nome} PRIVATE ${A_LIBRERIE} GTest::gtest_main)
  endif()
  if(WIN32)
    add_test(NAME test_${nome} COMMAND test_${nome})
    set_tests_properties(test_${nome} PROPERTIES RESOURCE_LOCK unita_c)
    if(CMAKE_CROSSCOMPILING)  # Wine's private prefix: its drive C: is the build's own
      set_tests_properties(test_${nome} PROPERTIES ENVIRONMENT "VXMIRA_UNITA_DI_PROVA=1")
    endif()
  else()
    gtest_discover_tests(test_${nome} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()

# vx_intestazioni_incrociate(bersaglio cartella)
# A headers-only Debian library (/usr/include/<cartella>) for the cross build: its package adds
# all of /usr/include, whose glibc headers the cross compiler must never see, so an imported
# target whose include folder holds only a link to <cartella> stands in for it.
function(vx_intestazioni_incrociate bersaglio cartella)
  set(radice ${CMAKE_CURRENT_BINARY_DIR}/intestazioni_${cartella})
  file(MAKE_DIRECTORY ${radice})
  file(CREATE_LINK /usr/include/${cartella} ${radice}/${cartella} SYMBOLIC)
  add_library(${bersaglio} INTERFACE IMPORTED)
  target_include_directories(${bersaglio} INTERFACE ${radice})
endfunction()
