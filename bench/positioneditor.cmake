# QrlEd's position editor: the overview of a full map with 400 unit markers,
# and the refill of a 400-row list.
add_executable(qrl_bench_positioneditor ${CMAKE_CURRENT_LIST_DIR}/positioneditor_bench.cpp)
target_link_libraries(qrl_bench_positioneditor PRIVATE scencore benchmark::benchmark benchmark::benchmark_main)
