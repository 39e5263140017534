# The channel-file reader, and open and import over the built-in dual-group model.
quorprog_fuzz_target(NAME fuzz_channel_file
    SOURCES
        ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_channel_file.cpp
        ${PROJECT_SOURCE_DIR}/tests/unit/files/files_test_support.cpp)
target_include_directories(fuzz_channel_file PRIVATE ${PROJECT_SOURCE_DIR}/tests/unit/files)
