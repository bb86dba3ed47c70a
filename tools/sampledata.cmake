# Sample data for QrlMap: the terrain graphics writer shared by the generator,
# the tests and the benchmarks, the generator itself, and the target that
# places the sample Shp folder, map and contour pattern sheet beside the program.
if(NOT QRL_FUZZ)
  add_library(qrl_sampledata STATIC
    ${CMAKE_CURRENT_LIST_DIR}/sampledata/shpencoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sampledata/sampletiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sampledata/samplemap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sampledata/patternsheet.cpp)
  target_include_directories(qrl_sampledata PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(qrl_sampledata PUBLIC mapcore gamefile)

  add_executable(qrl_make_samples ${CMAKE_CURRENT_LIST_DIR}/sampledata/make_samples.cpp)
  target_link_libraries(qrl_make_samples PRIVATE qrl_sampledata)

  set(qrl_samples_dir ${CMAKE_BINARY_DIR}/bin)
  set(qrl_samples_stamp ${CMAKE_BINARY_DIR}/tools/qrl_samples.stamp)
  add_custom_command(
    OUTPUT ${qrl_samples_stamp} ${qrl_samples_dir}/samples/sample.dat ${qrl_samples_dir}/grid.bmp
    COMMAND qrl_make_samples ${qrl_samples_dir}
    COMMAND ${CMAKE_COMMAND} -E touch ${qrl_samples_stamp}
    DEPENDS qrl_make_samples
    COMMENT "Writing the sample Shp folder, map and contour pattern sheet to ${qrl_samples_dir}"
    VERBATIM)
  add_custom_target(qrl_samples ALL DEPENDS ${qrl_samples_stamp})
endif()
