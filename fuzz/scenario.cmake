# QrlEd's readers of outside bytes: the game-file load with its record loop
# (and a save back), and comment files with the open-file window's annotation.
foreach(target fuzz_recordloop fuzz_comment fuzz_csvpaste)
  add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp)
  target_link_libraries(${target} PRIVATE scencore)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()
