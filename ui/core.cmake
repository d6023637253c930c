# Core of the framework: element model and registry, forms and the message loop, the
# window procedure, menus, fonts and the question box.
list(APPEND VORBIN_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/element.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_proc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ask.cpp
)
