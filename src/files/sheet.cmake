# The printed frequency sheet (shell: it draws with QPainter).
if(TARGET quorprog_ui)
    target_sources(quorprog_ui PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/frequency_sheet.cpp
        ${CMAKE_CURRENT_LIST_DIR}/frequency_sheet_layout.cpp
        ${CMAKE_CURRENT_LIST_DIR}/print_sheet.cpp
        ${CMAKE_CURRENT_LIST_DIR}/system_date_separator.cpp
    )
endif()
