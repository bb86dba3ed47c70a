# QrlEd's document core: load and whole-file save of a file that decodes to
# about 5,000,000 bytes, and filling the unit grid with 400 rows.
add_executable(qrl_bench_scenario ${CMAKE_CURRENT_LIST_DIR}/scenario_bench.cpp)
target_link_libraries(qrl_bench_scenario PRIVATE scencore benchmark::benchmark benchmark::benchmark_main)
