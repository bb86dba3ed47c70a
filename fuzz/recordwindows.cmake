# QrlEd's position editor, game data window and battle summary over any game file.
add_executable(fuzz_recordwindows ${CMAKE_CURRENT_LIST_DIR}/fuzz_recordwindows.cpp)
target_link_libraries(fuzz_recordwindows PRIVATE scencore)
target_link_options(fuzz_recordwindows PRIVATE -fsanitize=fuzzer)
