# Readers of game files: the section scans of QrlMap and the map load.
foreach(target fuzz_sectionreaders fuzz_mapload)
  add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp)
  target_link_libraries(${target} PRIVATE mapcore)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
