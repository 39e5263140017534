# quorprog-cli run as a program: against quorprog-emu and on image and channel files.
# quorprog_serial brings Qt Core for QProcess.
quorprog_test(NAME cli_tests
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/cli_test.cpp
    LIBRARIES quorprog_serial quorprog_test_fakes)
target_include_directories(cli_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/unit)
add_dependencies(cli_tests quorprog-cli quorprog-emu)
