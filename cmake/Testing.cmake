# GoogleTest: the system package natively; built from the distribution's sources for MinGW.
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Recent GoogleTest sources define these aliases themselves.
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest REQUIRED)
endif()

# quorlan_add_test(NAME target [ARGS ...]): one CTest entry running a test program, under Wine
# (through CMAKE_CROSSCOMPILING_EMULATOR) for the Windows presets.
function(quorlan_add_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  if(WIN32)
    # The wrapper reports 77 when this machine cannot run programs of that architecture.
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix SKIP_RETURN_CODE 77)
  endif()
endfunction()

if(WIN32)
  # Each build tree runs its Wine tests in a prefix of its own, made afresh by the first test.
  set(QUORLAN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix
      CACHE PATH "Wine prefix of the Windows tests, made afresh by their first test")
  set(QUORLAN_WINE_RUN ${CMAKE_SOURCE_DIR}/tests/wine/wine-run)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORLAN_WINE_RUN} --prefix ${QUORLAN_WINEPREFIX})
  add_test(NAME wine_prefix_init COMMAND ${QUORLAN_WINE_RUN} --prefix ${QUORLAN_WINEPREFIX} --init)
  # The prefix keeps windows away from the (absent) window manager: see wine-run --init.
  set_tests_properties(wine_prefix_init PROPERTIES FIXTURES_SETUP "wine_prefix;wine_unmanaged")
  add_test(NAME wine_prefix_shutdown COMMAND ${QUORLAN_WINE_RUN} --prefix ${QUORLAN_WINEPREFIX} --shutdown)
  set_tests_properties(wine_prefix_shutdown PROPERTIES FIXTURES_CLEANUP wine_prefix)
endif()
