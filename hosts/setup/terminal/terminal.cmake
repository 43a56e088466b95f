# The terminal front end of quorlan-setup: the dialog drawn with ncurses, keys and the mouse
# turned into window messages.
set(CURSES_NEED_NCURSES TRUE)
set(CURSES_NEED_WIDE TRUE) # line drawing as Unicode on UTF-8 terminals
find_package(Curses REQUIRED)

add_library(quorlan_terminal STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CellCanvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlPainter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowPainter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyTranslator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MouseTranslator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminalScreen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminalFrontEnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TerminalSession.cpp)
target_include_directories(quorlan_terminal PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..
                                                   ${PROJECT_SOURCE_DIR}/src ${CURSES_INCLUDE_DIRS})
target_link_libraries(quorlan_terminal PUBLIC quorlan_win32 ${CURSES_LIBRARIES})
