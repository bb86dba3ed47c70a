add_executable(bench_container ${CMAKE_CURRENT_LIST_DIR}/container_bench.cpp)
target_link_libraries(bench_container PRIVATE mapcore qrl_testsupport benchmark::benchmark)
