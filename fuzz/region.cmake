# RegionText: any text pasted into a small loaded map, as a file and from the clipboard.
add_executable(fuzz_regiontext ${CMAKE_CURRENT_LIST_DIR}/fuzz_regiontext.cpp)
target_link_libraries(fuzz_regiontext PRIVATE mapcore)
target_link_options(fuzz_regiontext PRIVATE -fsanitize=fuzzer)
