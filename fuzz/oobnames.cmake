# QrlEd's OOB weapon files: any bytes as a side's file.
add_executable(fuzz_oobnames ${CMAKE_CURRENT_LIST_DIR}/fuzz_oobnames.cpp)
target_link_libraries(fuzz_oobnames PRIVATE scencore)
target_link_options(fuzz_oobnames PRIVATE -fsanitize=fuzzer)
