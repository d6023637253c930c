# Window tests of the framework core: element model, forms and loop, window procedure,
# menus, fonts and the question box, over real windows under wine64 + Xvfb.
vorbin_add_gtest(ui_core_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/element_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_proc_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_font_ask_test.cpp
  LIBS vorbin_ui vorbin_resources vorbin_resource_ids)
