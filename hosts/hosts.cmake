# The hosts that load quorlan and call TVXConfigEntryPoint: quorlan-setup (Linux, dlopen) and
# tvxhost.exe (Windows, LoadLibraryA). Both play scenarios with the same code in scenario/.
# quorlan-params (both) works on the parameters without the dialog.
include(${CMAKE_CURRENT_LIST_DIR}/params/params.cmake)

# The scenario language: plain C++, no Win32.
add_library(quorlan_scenario_language STATIC
  ${CMAKE_CURRENT_LIST_DIR}/scenario/Scenario.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/LineTokenizer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/ScenarioParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/scenario_words.cpp)
target_include_directories(quorlan_scenario_language PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# The driver, the checks and the runner: Win32 API only, one source for both platforms.
set(quorlan_scenario_sources
  ${CMAKE_CURRENT_LIST_DIR}/scenario/EntryPointCall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/HostCommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/WindowReading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/ThreadWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/ControlInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/EditorProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/ControlNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/MessageBoxWatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/ScenarioDriver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/RegistryStage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/OutcomeChecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenario/ScenarioRunner.cpp)
add_library(quorlan_scenario STATIC ${quorlan_scenario_sources})
target_include_directories(quorlan_scenario PUBLIC ${CMAKE_CURRENT_LIST_DIR}
                                                   ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(quorlan_scenario PUBLIC quorlan_scenario_language)

# Hosts and the modules they load share one folder, so each finds the other next to it.
set(QUORLAN_HOSTS_DIR ${CMAKE_BINARY_DIR}/bin)

if(WIN32)
  target_link_libraries(quorlan_scenario PUBLIC advapi32 user32 comctl32)
  # The Windows hosts call the DLL through its public header.
  target_include_directories(quorlan_scenario PUBLIC ${PROJECT_SOURCE_DIR}/include)
  add_executable(tvxhost
    ${CMAKE_CURRENT_LIST_DIR}/tvxhost/main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tvxhost/DllModule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tvxhost/PrivateRegistry.cpp)
  target_link_libraries(tvxhost PRIVATE quorlan_scenario)
  set_target_properties(tvxhost PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORLAN_HOSTS_DIR})
else()
  target_link_libraries(quorlan_scenario PUBLIC quorlan_win32)
  add_executable(quorlan-setup
    ${CMAKE_CURRENT_LIST_DIR}/setup/main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup/RegistryFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup/SharedObjectModule.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup/ErrorExplanation.cpp)
  target_link_libraries(quorlan-setup PRIVATE quorlan_scenario ${CMAKE_DL_LIBS})
  set_target_properties(quorlan-setup PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORLAN_HOSTS_DIR})
  # Without --script, the dialog runs in the terminal.
  include(${CMAKE_CURRENT_LIST_DIR}/setup/terminal/terminal.cmake)
  target_link_libraries(quorlan-setup PRIVATE quorlan_terminal)
  target_compile_definitions(quorlan-setup PRIVATE QUORLAN_VERSION="${PROJECT_VERSION}")
endif()
