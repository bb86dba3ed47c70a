# Terrain graphics files through the tile transfer strip's load.
add_executable(fuzz_transferstrip ${CMAKE_CURRENT_LIST_DIR}/fuzz_transferstrip.cpp)
target_link_libraries(fuzz_transferstrip PRIVATE mapcore)
target_link_options(fuzz_transferstrip PRIVATE -fsanitize=fuzzer)
