# The zip of one Windows architecture: quorlan.dll, its header, quorlan-params.exe and tvxhost.exe,
# with the licence and a README in Windows line ends.
install(FILES $<TARGET_FILE:quorlan> DESTINATION .)
install(TARGETS quorlan-params tvxhost RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/include/quorlan.h DESTINATION include)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(QUORLAN_WINDOWS_BITS 64-bit)
else()
  set(QUORLAN_WINDOWS_BITS 32-bit)
endif()
configure_file(LICENSE ${CMAKE_BINARY_DIR}/package/LICENSE @ONLY NEWLINE_STYLE CRLF)
configure_file(docs/windows/README.txt ${CMAKE_BINARY_DIR}/package/README.txt @ONLY
               NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/package/LICENSE ${CMAKE_BINARY_DIR}/package/README.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quorlan)
set(CPACK_PACKAGE_VENDOR "The quorlan authors")
set(CPACK_PACKAGE_FILE_NAME quorlan-${PROJECT_VERSION}-${QUORLAN_MINGW_ARCH})
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON) # the programs; the DLL is linked stripped
include(CPack)
