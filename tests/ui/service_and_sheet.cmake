# Service mode dialogs and the printed frequency sheet.
find_package(Qt6 REQUIRED COMPONENTS Test)

quorprog_test(NAME service_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/qt_application.cpp
        ${CMAKE_CURRENT_LIST_DIR}/service_changes_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/service_data_dialog_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/service_password_test.cpp
    LIBRARIES quorprog_ui quorprog_test_fakes Qt6::Test
    QT)

# The sheet printed by the window and by quorprog-cli: needs the tool built.
quorprog_test(NAME frequency_sheet_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/qt_application.cpp
        ${CMAKE_CURRENT_LIST_DIR}/modal_dialogs.cpp
        ${CMAKE_CURRENT_LIST_DIR}/frequency_sheet_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/commands_test_support.cpp
    LIBRARIES quorprog_ui quorprog_test_fakes Qt6::Test
    QT)
add_dependencies(frequency_sheet_tests quorprog-cli)
