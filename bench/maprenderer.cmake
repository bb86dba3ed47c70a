# Map drawing: warm redraws of a dense view and the first redraw that loads its tiles.
add_executable(bench_maprenderer ${CMAKE_CURRENT_LIST_DIR}/maprenderer_bench.cpp)
target_link_libraries(bench_maprenderer PRIVATE mapcore qrl_sampledata benchmark::benchmark)
