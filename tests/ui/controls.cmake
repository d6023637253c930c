# Window tests of the controls half of the framework: drawing, panels, image frames, text
# cells, buttons, labels, images, text boxes and timers, under wine64 + Xvfb.
vorbin_add_gtest(ui_drawing_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/drawing_test.cpp
  LIBS vorbin_ui)
vorbin_add_gtest(ui_views_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/views_test.cpp
  LIBS vorbin_ui)
vorbin_add_gtest(ui_controls_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp ${CMAKE_CURRENT_LIST_DIR}/controls_test.rc
  LIBS vorbin_ui)
if(TARGET ui_controls_tests)
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/controls_test.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/controls_test_picture.bmp)
endif()
