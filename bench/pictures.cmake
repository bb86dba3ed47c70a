# QrlMap's pictures on a dense 100 x 240 map: the quadrant export (render and
# encode apart, and against cjpeg when it is installed), the contour picture
# with terrain markers and the strategic picture.
add_executable(bench_pictures ${CMAKE_CURRENT_LIST_DIR}/pictures_bench.cpp)
target_link_libraries(bench_pictures PRIVATE bench_densemap benchmark::benchmark)
