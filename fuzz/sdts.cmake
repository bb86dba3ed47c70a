# Elevation files through the SDTS window's reader, picture, lake and bands.
add_executable(fuzz_demfile ${CMAKE_CURRENT_LIST_DIR}/fuzz_demfile.cpp)
target_link_libraries(fuzz_demfile PRIVATE mapcore)
target_link_options(fuzz_demfile PRIVATE -fsanitize=fuzzer)
