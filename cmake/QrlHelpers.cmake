# qrl_add_gtest(name SOURCES ... LIBS ... [QT])
# One test executable per folder of tests; each GoogleTest case becomes a CTest test.
# QT marks suites that drive real windows: they run on the offscreen platform and
# without leak detection, since Qt's platform plugins keep caches alive to exit.
include(GoogleTest)
function(qrl_add_gtest name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest qrl_testsupport)
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE qrl_qtestmain Qt6::Test)
    set(env "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    set(env "")
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${env}")
endfunction()
