# The SDTS window's work: the lake fill of a winding lake and the elevation file reader.
add_executable(bench_sdts ${CMAKE_CURRENT_LIST_DIR}/sdts_bench.cpp)
target_link_libraries(bench_sdts PRIVATE mapcore qrl_testsupport benchmark::benchmark)
