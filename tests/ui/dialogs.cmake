# Window tests of the framework's dialog forms (name entry and About) under wine64 + Xvfb.
vorbin_add_gtest(ui_dialogs_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/name_form_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about_form_test.cpp
  LIBS vorbin_ui)
