# QrlMap's main window: the redraw of the dense view as the window does it,
# picture shown included, on the offscreen platform.
add_executable(bench_mapui ${CMAKE_CURRENT_LIST_DIR}/mapui_bench.cpp)
target_link_libraries(bench_mapui PRIVATE mapui bench_densemap benchmark::benchmark bench_qtmain)
