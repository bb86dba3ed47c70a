# The contour pattern sheet: any bytes decoded and drawn over a small map.
add_executable(fuzz_contour ${CMAKE_CURRENT_LIST_DIR}/fuzz_contour.cpp)
target_link_libraries(fuzz_contour PRIVATE mapcore)
target_link_options(fuzz_contour PRIVATE -fsanitize=fuzzer)
