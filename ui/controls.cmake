# Sources of the controls half of the framework: standard controls, timers, drawing,
# text cells, panels and image frames.
list(APPEND VORBIN_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/gdi_scope.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/panel_children.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/image_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw/cell_control.cpp
)
