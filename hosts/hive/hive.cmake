# quorlan-hive (Linux): check a hive left dirty by a crash, and replay its logs into a clean
# copy, with the portable registry's own replay.
add_executable(quorlan-hive
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hive_commands.cpp)
target_include_directories(quorlan-hive PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(quorlan-hive PRIVATE quorlan_win32 quorlan_host_options)
target_compile_definitions(quorlan-hive PRIVATE QUORLAN_VERSION="${PROJECT_VERSION}")
set_target_properties(quorlan-hive PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORLAN_HOSTS_DIR})
