# QrlEd's position editor: the overview of a full map with 400 unit markers,
# the refill and sort of a 400-row list, and the window's reload and refill.
add_executable(qrl_bench_positioneditor ${CMAKE_CURRENT_LIST_DIR}/positioneditor_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/positionfile.h)
target_link_libraries(qrl_bench_positioneditor PRIVATE scencore benchmark::benchmark benchmark::benchmark_main)
add_executable(qrl_bench_positionform ${CMAKE_CURRENT_LIST_DIR}/positionform_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/positionfile.h)
target_link_libraries(qrl_bench_positionform PRIVATE scenui benchmark::benchmark bench_qtmain)
