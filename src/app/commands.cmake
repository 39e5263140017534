# The main window's commands: the serial progress window, programmer selection, the group display,
# grid editing with its coordination menu, and the read and write buttons, owned by
# MainWindowCommands.
target_sources(quorprog_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/coordination_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/device_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fleet_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frequency_delegate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grid_editor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/coordination_settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/group_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/main_window_commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/programmer_selection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/serial_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/toolbar_commands.cpp
)
