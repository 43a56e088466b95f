# quorlan-params: the eight parameters from a script, natively over the portable registry and
# as quorlan-params.exe on the machine's registry. It links the catalogue and its registry
# load and save, not the dialog.
set(quorlan_params_dir ${CMAKE_CURRENT_LIST_DIR})
# The commands, apart from main, so that tests can run them in their own process.
add_library(quorlan_params_command STATIC
  ${quorlan_params_dir}/command_line.cpp
  ${quorlan_params_dir}/read_commands.cpp
  ${quorlan_params_dir}/change_commands.cpp
  ${quorlan_params_dir}/property_input.cpp
  ${quorlan_params_dir}/property_report.cpp
  ${quorlan_params_dir}/json_text.cpp
  ${quorlan_params_dir}/messages.cpp
  ${quorlan_params_dir}/standard_output.cpp
  ${quorlan_params_dir}/value_snapshot.cpp)
if(WIN32)
  target_sources(quorlan_params_command PRIVATE ${quorlan_params_dir}/registry_choice_win32.cpp)
else()
  target_sources(quorlan_params_command PRIVATE ${quorlan_params_dir}/registry_choice_portable.cpp
                                                ${CMAKE_CURRENT_LIST_DIR}/../setup/registry_file.cpp)
endif()
target_include_directories(quorlan_params_command PUBLIC ${quorlan_params_dir}
                                                  ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(quorlan_params_command PUBLIC quorlan_params quorlan_host_options)

add_executable(quorlan-params ${quorlan_params_dir}/main.cpp)
target_link_libraries(quorlan-params PRIVATE quorlan_params_command)
target_compile_definitions(quorlan-params PRIVATE QUORLAN_VERSION="${PROJECT_VERSION}")
set_target_properties(quorlan-params PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
