# What `cmake --install` puts where. Linux: the commands, their private libraries, man pages,
# bash completion and the documents, by GNUInstallDirs. Windows: one folder per architecture with
# the DLL, its header and the two programs, which `--target package` zips (CPack).
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
  return()
endif()

set(quorlan_programs quorlan-setup quorlan-params)
if(TARGET quorlan-hive)
  list(APPEND quorlan_programs quorlan-hive)
endif()

# The programs find libquorlan_win32.so, and quorlan.so finds it beside itself, through run paths
# relative to the file that holds them: an installed tree runs wherever it is put.
set_target_properties(${quorlan_programs} PROPERTIES
                      INSTALL_RPATH "$ORIGIN/${QUORLAN_PRIVATE_LIBDIR_FROM_BINDIR}")
set_target_properties(quorlan PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${quorlan_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS quorlan quorlan_win32 LIBRARY DESTINATION ${QUORLAN_INSTALL_PRIVATE_LIBDIR})

set(man_dir ${PROJECT_SOURCE_DIR}/docs/man)
foreach(program IN LISTS quorlan_programs)
  install(FILES ${man_dir}/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${man_dir}/quorlan-scenario.5 DESTINATION ${CMAKE_INSTALL_MANDIR}/man5)

# bash-completion loads a command's completion from the file named after the command, in the
# folder its pkg-config file names (under this install's data folder).
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  execute_process(COMMAND ${PKG_CONFIG_EXECUTABLE}
                          --define-variable=datadir=${CMAKE_INSTALL_FULL_DATADIR}
                          --variable=completionsdir bash-completion
                  OUTPUT_VARIABLE completions_from_pkg_config OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET)
endif()
if(NOT completions_from_pkg_config)
  set(completions_from_pkg_config ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()
set(QUORLAN_BASH_COMPLETION_DIR ${completions_from_pkg_config}
    CACHE PATH "Where bash-completion looks for the commands' completions")
foreach(program IN LISTS quorlan_programs)
  install(FILES ${PROJECT_SOURCE_DIR}/completion/quorlan DESTINATION ${QUORLAN_BASH_COMPLETION_DIR}
          RENAME ${program})
endforeach()

install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES docs/ARCHITECTURE.md docs/scenarios.md docs/packaging.md docs/terminal-dialog.txt
              docs/dialog.png
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)
install(DIRECTORY examples DESTINATION ${CMAKE_INSTALL_DOCDIR})
