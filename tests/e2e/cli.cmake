# quorprog-cli run as a program: against quorprog-emu and on image and channel files.
# quorprog_serial brings Qt Core for QProcess.
quorprog_test(NAME cli_tests
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/cli_coordination_test.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/cli_outputs_test.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/cli_test.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/cli_rf_plot_test.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/ports_test.cpp
    LIBRARIES quorprog_serial quorprog_test_fakes)
target_include_directories(cli_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/unit)
add_dependencies(cli_tests quorprog-cli quorprog-emu)

# Faults injected by the emulator at sampled replies of a read and of a write.
quorprog_test(NAME cli_fault_matrix_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fault_matrix_test.cpp
    LIBRARIES quorprog_serial quorprog_test_fakes)
target_include_directories(cli_fault_matrix_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/unit)
add_dependencies(cli_fault_matrix_tests quorprog-cli quorprog-emu)

# The tool's own pieces, compiled from its sources.
quorprog_test(NAME cli_parts_tests
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/cli_parts_test.cpp
        ${PROJECT_SOURCE_DIR}/cli/command_line.cpp
        ${PROJECT_SOURCE_DIR}/cli/json_writer.cpp
        ${PROJECT_SOURCE_DIR}/cli/printable_text.cpp
    LIBRARIES quorprog_core)
target_include_directories(cli_parts_tests PRIVATE ${PROJECT_SOURCE_DIR}/cli)

# Several emulated boxes programmed at once, round after round, with the report.
quorprog_test(NAME cli_fleet_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fleet_test.cpp
    LIBRARIES quorprog_serial quorprog_test_fakes)
target_include_directories(cli_fleet_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/unit)
add_dependencies(cli_fleet_tests quorprog-cli quorprog-emu)
