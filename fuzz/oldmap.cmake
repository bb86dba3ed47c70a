# Older games' maps poured into a loaded map by the two conversions.
add_executable(fuzz_oldmapconvert ${CMAKE_CURRENT_LIST_DIR}/fuzz_oldmapconvert.cpp)
target_link_libraries(fuzz_oldmapconvert PRIVATE mapcore)
target_link_options(fuzz_oldmapconvert PRIVATE -fsanitize=fuzzer)
