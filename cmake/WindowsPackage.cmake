# The zip of one Windows architecture: quorlan.dll, its header, quorlan-params.exe and tvxhost.exe,
# with the licence and a README in Windows line ends.
install(FILES $<TARGET_FILE:quorlan> DESTINATION .)
install(PROGRAMS $<TARGET_FILE:quorlan-params> $<TARGET_FILE:tvxhost> DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/include/quorlan.h DESTINATION include)

foreach(text LICENSE README.txt)
  set(source ${PROJECT_SOURCE_DIR}/${text})
  if(text STREQUAL "README.txt")
    set(source ${PROJECT_SOURCE_DIR}/docs/windows/README.txt)
  endif()
  configure_file(${source} ${CMAKE_BINARY_DIR}/package/${text} @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/package/${text} DESTINATION .)
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quorlan)
set(CPACK_PACKAGE_VENDOR "The quorlan authors")
set(CPACK_PACKAGE_FILE_NAME quorlan-${PROJECT_VERSION}-${QUORLAN_MINGW_ARCH})
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
