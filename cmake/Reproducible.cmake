# The same bytes from any build folder: no path of the source or build tree in what the compiler
# writes (debug information, __FILE__), no date in the PE header, run paths relative to $ORIGIN.
# The build tree is mapped after the source tree because it may lie inside it: GCC tries the
# last mapping first.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
set(CMAKE_BUILD_RPATH_USE_ORIGIN ON)
if(WIN32)
  # ld writes the link's time into the PE header unless told not to; without it the stamp is 0.
  add_link_options(-Wl,--no-insert-timestamp)
endif()
