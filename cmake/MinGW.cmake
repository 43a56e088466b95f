# Cross-compilation to Windows with MinGW-w64. QUORLAN_MINGW_ARCH is i686 or x86_64.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT QUORLAN_MINGW_ARCH)
  set(QUORLAN_MINGW_ARCH i686)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${QUORLAN_MINGW_ARCH})
set(triple ${QUORLAN_MINGW_ARCH}-w64-mingw32)

# The -posix compilers: GoogleTest needs std::mutex, which the win32 thread model lacks.
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Everything is linked statically so that the DLL and the test programs need no MinGW runtime DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

