# The terminal front end of quorlan-setup: the dialog drawn with ncurses, keys and the mouse
# turned into window messages.
set(CURSES_NEED_NCURSES TRUE)
set(CURSES_NEED_WIDE TRUE) # line drawing as Unicode on UTF-8 terminals
find_package(Curses REQUIRED)

add_library(quorlan_terminal STATIC
  ${CMAKE_CURRENT_LIST_DIR}/cell_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cell_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_translator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mouse_translator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/terminal_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/terminal_front_end.cpp
  ${CMAKE_CURRENT_LIST_DIR}/terminal_session.cpp)
target_include_directories(quorlan_terminal PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..
                                                   ${PROJECT_SOURCE_DIR}/src ${CURSES_INCLUDE_DIRS})
target_link_libraries(quorlan_terminal PUBLIC quorlan_win32 ${CURSES_LIBRARIES})
