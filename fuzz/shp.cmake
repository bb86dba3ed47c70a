# Terrain graphics files through ReadShp.
add_executable(fuzz_readshp ${CMAKE_CURRENT_LIST_DIR}/fuzz_readshp.cpp)
target_link_libraries(fuzz_readshp PRIVATE mapcore)
target_link_options(fuzz_readshp PRIVATE -fsanitize=fuzzer)
