# The hosts that load quorlan and call TVXConfigEntryPoint: quorlan-setup (Linux, dlopen) and
# tvxhost.exe (Windows, LoadLibraryA). Both play scenarios with the same code in scenario/.
# quorlan-params (both) works on the parameters without the dialog.

# The command-line options, read the same way by every host.
add_library(quorlan_host_options STATIC ${CMAKE_CURRENT_LIST_DIR}/options/command_options.cpp)
target_include_directories(quorlan_host_options PUBLIC ${CMAKE_CURRENT_LIST_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/params/params.cmake)

# The scenario language: plain C++, no Win32.
add_library(quorlan_scenario_language STATIC
  ${CMAKE_CURRENT_LIST_DIR}/scenario/language/scenario.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/language/line_tokenizer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/language/scenario_parser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/language/scenario_words.cpp)
target_include_directories(quorlan_scenario_language PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# The driver, the checks and the runner: Win32 API only, one source for both platforms; only
# the module loader has one per platform (dlopen, LoadLibraryA), added below.
set(quorlan_scenario_sources
  ${CMAKE_CURRENT_LIST_DIR}/scenario/run/entry_point_call.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/run/host_command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/person/window_reading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/person/thread_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/person/control_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/person/editor_probe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/person/control_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/person/message_box_watch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/person/scenario_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/run/registry_stage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/run/outcome_checks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/run/scenario_runner.cpp)
add_library(quorlan_scenario STATIC ${quorlan_scenario_sources})
target_include_directories(quorlan_scenario PUBLIC ${CMAKE_CURRENT_LIST_DIR}
                                                   ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(quorlan_scenario PUBLIC quorlan_scenario_language quorlan_host_options)

# Hosts and the modules they load share one folder, so each finds the other next to it.
set(QUORLAN_HOSTS_DIR ${CMAKE_BINARY_DIR}/bin)

if(WIN32)
  target_sources(quorlan_scenario PRIVATE
                 ${CMAKE_CURRENT_LIST_DIR}/scenario/run/entry_module_win32.cpp)
  target_link_libraries(quorlan_scenario PUBLIC advapi32 user32 comctl32)
  # The Windows hosts call the DLL through its public header.
  target_include_directories(quorlan_scenario PUBLIC ${PROJECT_SOURCE_DIR}/include)
  add_executable(tvxhost
    ${CMAKE_CURRENT_LIST_DIR}/tvxhost/main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tvxhost/private_registry.cpp)
  target_link_libraries(tvxhost PRIVATE quorlan_scenario)
  set_target_properties(tvxhost PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORLAN_HOSTS_DIR})
else()
  target_sources(quorlan_scenario PRIVATE
                 ${CMAKE_CURRENT_LIST_DIR}/scenario/run/entry_module_portable.cpp)
  target_link_libraries(quorlan_scenario PUBLIC quorlan_win32 ${CMAKE_DL_LIBS})
  set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/scenario/run/entry_module_portable.cpp APPEND
               PROPERTY COMPILE_DEFINITIONS
               QUORLAN_MODULE_DIR_FROM_PROGRAM="${QUORLAN_PRIVATE_LIBDIR_FROM_BINDIR}")
  add_executable(quorlan-setup
    ${CMAKE_CURRENT_LIST_DIR}/setup/main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup/registry_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup/error_explanation.cpp)
  target_link_libraries(quorlan-setup PRIVATE quorlan_scenario)
  set_target_properties(quorlan-setup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORLAN_HOSTS_DIR})
  # Without --script, the dialog runs in the terminal.
  include(${CMAKE_CURRENT_LIST_DIR}/setup/terminal/terminal.cmake)
  target_link_libraries(quorlan-setup PRIVATE quorlan_terminal)
  target_compile_definitions(quorlan-setup PRIVATE QUORLAN_VERSION="${PROJECT_VERSION}")
  include(${CMAKE_CURRENT_LIST_DIR}/hive/hive.cmake)
endif()
