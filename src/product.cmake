# The product: quorlan.dll on Windows, quorlan.so elsewhere, from the same sources.

if(WIN32)
  # The DLL carries none of the C++ runtime: the product throws nothing and asks no type at run
  # time, so exceptions, their unwind tables and RTTI are off, and unused sections are dropped.
  set(quorlan_lean_options -fno-exceptions -fno-asynchronous-unwind-tables -fno-rtti
                           -ffunction-sections -fdata-sections)
  # The Win32 API of Windows NT 4.0, below the common controls of Internet Explorer 3: a newer
  # function fails to compile, and what stays above goes through AfxSystemEntry.
  set(quorlan_api_level _WIN32_WINNT=0x0400 WINVER=0x0400 _WIN32_IE=0x0200)
endif()

# The property catalogue (pure data and text rules) and the registry load and save of the eight
# values, which the dialog and quorlan-params share.
add_library(quorlan_params STATIC
  params/decimal_number.cpp
  params/label_map.cpp
  params/parameter_store.cpp
  params/parameters_key.cpp
  params/property_catalogue.cpp
  params/property_values.cpp
  params/text_compare.cpp
  params/value_text.cpp)
target_include_directories(quorlan_params PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
# The catalogue's rows name their columns (designated initialisers).
target_compile_features(quorlan_params PRIVATE cxx_std_20)
target_compile_options(quorlan_params PRIVATE ${quorlan_lean_options})
target_compile_definitions(quorlan_params PRIVATE ${quorlan_api_level})
if(WIN32)
  target_link_libraries(quorlan_params PUBLIC advapi32)
else()
  target_link_libraries(quorlan_params PUBLIC quorlan_win32)
endif()

# Everything of the module but its start-up, as objects so that a test program links the
# resources and static registrations too (an archive would drop them).
add_library(quorlan_product OBJECT
  framework/app_message_box.cpp
  framework/cmd_target.cpp
  framework/common_controls.cpp
  framework/control_container.cpp
  framework/data_exchange.cpp
  framework/dialog.cpp
  framework/module_names.cpp
  framework/screen_area.cpp
  framework/system_entry.cpp
  framework/win_app.cpp
  framework/window_text.cpp
  framework/wnd.cpp
  dialog/properties_dlg.cpp
  dialog/properties_editor.cpp
  entry/config_app.cpp
  entry/entry_point.cpp
  entry/result_text.cpp)
target_include_directories(quorlan_product PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(quorlan_product PUBLIC quorlan_params)
target_compile_definitions(quorlan_product PRIVATE ${quorlan_api_level})

if(WIN32)
  # Stack protection from the static libssp, so the DLL needs no runtime DLL for it; whatever
  # links the product's objects links libssp too.
  target_compile_options(quorlan_product PRIVATE -fstack-protector-strong ${quorlan_lean_options})
  target_link_options(quorlan_product INTERFACE -fstack-protector-strong)
  target_sources(quorlan_product PRIVATE resources/quorlan.rc)
  target_link_libraries(quorlan_product PUBLIC user32 comctl32 advapi32)
  set(quorlan_startup framework/module_startup_win32.cpp)
else()
  # The template's bytes are built at load from the same control list the .rc uses.
  target_sources(quorlan_product PRIVATE resources/portable_resources.cpp)
  target_link_libraries(quorlan_product PUBLIC quorlan_win32 quorlan_dialog_template)
  set(quorlan_startup framework/module_startup_portable.cpp)
endif()

if(WIN32)
  # The DLL's own runtime, in place of MinGW's start-up and C runtime DLL: Windows NT 3.51 has no
  # msvcrt.dll, and the start-up objects of the toolchain are made for it. Only the DLL links
  # it; test programs that link the product's objects keep the toolchain's runtime.
  add_library(quorlan_dll_runtime OBJECT
    framework/dll_runtime/c_strings.cpp
    framework/dll_runtime/heap.cpp
    framework/dll_runtime/stack_guard.cpp
    framework/dll_runtime/static_objects.cpp)
  target_include_directories(quorlan_dll_runtime PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_definitions(quorlan_dll_runtime PRIVATE ${quorlan_api_level})
  # The string functions are loops the optimiser would otherwise turn back into their own calls.
  target_compile_options(quorlan_dll_runtime PRIVATE ${quorlan_lean_options} -fno-builtin
                         -fno-tree-loop-distribute-patterns -fstack-protector-strong)

  add_library(quorlan SHARED ${quorlan_startup} entry/quorlan.def)
  target_compile_options(quorlan PRIVATE ${quorlan_lean_options})
  target_compile_definitions(quorlan PRIVATE ${quorlan_api_level})
  target_link_options(quorlan PRIVATE -static -s -nostdlib -Wl,--gc-sections -Wl,--dynamicbase
                      -Wl,--nxcompat)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    target_link_options(quorlan PRIVATE -Wl,--high-entropy-va -Wl,--entry,DllMain)
  else()
    # The .def names the stdcall function undecorated; let ld match it to its @12 symbol.
    target_link_options(quorlan PRIVATE -Wl,--enable-stdcall-fixup -Wl,--entry,_DllMain@12)
  endif()
  set_target_properties(quorlan PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
else()
  add_library(quorlan MODULE ${quorlan_startup})
  # Only the entry point leaves the module.
  set(quorlan_exports ${CMAKE_CURRENT_SOURCE_DIR}/entry/quorlan.map)
  target_link_options(quorlan PRIVATE -Wl,--version-script=${quorlan_exports})
  if(NOT QUORLAN_SANITIZE)
    # Under the sanitizers the runtime comes from the program that loads the module.
    target_link_options(quorlan PRIVATE -Wl,--no-undefined)
  endif()
  set_target_properties(quorlan PROPERTIES LINK_DEPENDS ${quorlan_exports}
                                           LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
target_link_libraries(quorlan PRIVATE quorlan_product)
if(WIN32)
  # libgcc for the compiler's helpers (64-bit division on i686, stack probes); it imports nothing.
  target_link_libraries(quorlan PRIVATE quorlan_dll_runtime kernel32 gcc)
endif()
set_target_properties(quorlan PROPERTIES PREFIX "" OUTPUT_NAME quorlan)
