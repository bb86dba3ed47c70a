# QrlEd's dump loads and hex view over a loaded game file.
add_executable(fuzz_dumphex ${CMAKE_CURRENT_LIST_DIR}/fuzz_dumphex.cpp)
target_link_libraries(fuzz_dumphex PRIVATE scencore)
target_link_options(fuzz_dumphex PRIVATE -fsanitize=fuzzer)
