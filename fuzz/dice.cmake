# Dice-data files: any bytes through the country dice-data loader.
add_executable(fuzz_dicedata ${CMAKE_CURRENT_LIST_DIR}/fuzz_dicedata.cpp)
target_link_libraries(fuzz_dicedata PRIVATE scencore)
target_link_options(fuzz_dicedata PRIVATE -fsanitize=fuzzer)
