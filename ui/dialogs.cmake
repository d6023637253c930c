# Sources of the framework's two dialog forms: the name-entry form and the About form.
list(APPEND VORBIN_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/dialog_owner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_form.cpp
)
