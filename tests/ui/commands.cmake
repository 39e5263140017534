# The main window's commands: serial window, programmer selection, group view, grid editing, and
# the read, edit and write cycle against quorprog-emu.
find_package(Qt6 REQUIRED COMPONENTS Test)

quorprog_test(NAME commands_test
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/qt_application.cpp
        ${CMAKE_CURRENT_LIST_DIR}/commands_test_support.cpp
        ${CMAKE_CURRENT_LIST_DIR}/channel_step_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/coordination_dialogs_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/coordination_menu_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/frequency_text_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/grid_editing_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/group_view_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/programmer_selection_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/serial_window_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/rf_plot_view_test.cpp
    LIBRARIES quorprog_ui quorprog_test_fakes Qt6::Test
    QT)

# The program's window against the emulated programmer box: needs quorprog-emu built.
quorprog_test(NAME commands_e2e_test
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/qt_application.cpp
        ${CMAKE_CURRENT_LIST_DIR}/commands_test_support.cpp
        ${CMAKE_CURRENT_LIST_DIR}/modal_dialogs.cpp
        ${CMAKE_CURRENT_LIST_DIR}/read_edit_write_test.cpp
    LIBRARIES quorprog_ui quorprog_test_fakes Qt6::Test
    QT)
add_dependencies(commands_e2e_test quorprog-emu quorprog-cli)
