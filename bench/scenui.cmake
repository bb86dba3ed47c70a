# QrlEd's main window: filling the unit grid with 400 rows and showing them.
add_executable(qrl_bench_scenui ${CMAKE_CURRENT_LIST_DIR}/scenui_bench.cpp)
target_link_libraries(qrl_bench_scenui PRIVATE scenui benchmark::benchmark bench_qtmain)
