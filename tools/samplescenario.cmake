# The sample scenario for QrlEd: SCEN001.DAT and its comment file, written into
# bin/samples/ of the build tree (the run script opens it from there), and the
# weapon names of its two sides, OOB70 and OOB81, beside the program in bin/.
if(NOT QRL_FUZZ)
  add_executable(qrl_make_scenario ${CMAKE_CURRENT_LIST_DIR}/makescenario.cpp)
  target_link_libraries(qrl_make_scenario PRIVATE scencore)

  set(qrl_scenario_sample_dir ${CMAKE_BINARY_DIR}/bin/samples)
  add_custom_command(
    OUTPUT ${qrl_scenario_sample_dir}/SCEN001.DAT ${qrl_scenario_sample_dir}/SCEN001.cmt
           ${CMAKE_BINARY_DIR}/bin/OOB70 ${CMAKE_BINARY_DIR}/bin/OOB81
    COMMAND ${CMAKE_COMMAND} -E make_directory ${qrl_scenario_sample_dir}
    COMMAND qrl_make_scenario ${qrl_scenario_sample_dir}
    DEPENDS qrl_make_scenario
    COMMENT "Writing the sample scenario SCEN001.DAT"
    VERBATIM)
  add_custom_target(qrl_scenario_sample ALL
    DEPENDS ${qrl_scenario_sample_dir}/SCEN001.DAT ${qrl_scenario_sample_dir}/SCEN001.cmt)
endif()
