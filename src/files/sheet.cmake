# The printed frequency sheet. Its drawing needs Qt Gui and Print Support but no widgets, so the
# command-line tool prints the same sheet; the artwork comes along for the sheet's logo. The print
# command with its dialogs belongs to the shell.
if(TARGET quorprog_ui)
    add_library(quorprog_sheet STATIC
        ${CMAKE_CURRENT_LIST_DIR}/frequency_sheet.cpp
        ${CMAKE_CURRENT_LIST_DIR}/system_date_separator.cpp
        ${PROJECT_SOURCE_DIR}/src/app/artwork.cpp
        ${PROJECT_SOURCE_DIR}/resources/artwork.qrc
    )
    target_link_libraries(quorprog_sheet PUBLIC quorprog_core Qt6::Gui Qt6::PrintSupport)
    target_compile_options(quorprog_sheet PRIVATE -Wall -Wextra)
    target_link_libraries(quorprog_ui PUBLIC quorprog_sheet)

    target_sources(quorprog_ui PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/file_name_dialog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/print_sheet.cpp
    )
endif()
target_sources(quorprog_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/frequency_sheet_layout.cpp)
