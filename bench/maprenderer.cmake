# Map drawing: warm redraws of a dense view and the first redraw that loads its tiles.
add_library(bench_densemap STATIC ${CMAKE_CURRENT_LIST_DIR}/densemap.cpp)
target_include_directories(bench_densemap PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(bench_densemap PUBLIC mapcore qrl_sampledata)

add_executable(bench_maprenderer ${CMAKE_CURRENT_LIST_DIR}/maprenderer_bench.cpp)
target_link_libraries(bench_maprenderer PRIVATE bench_densemap benchmark::benchmark)
