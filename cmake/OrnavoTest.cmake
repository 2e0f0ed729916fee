# ornavo_add_test(NAME SOURCES src... LIBRARIES lib... [QT] [BROWSER] [GTEST_MAIN] [TIMEOUT seconds])
#
# One test program per component, its GoogleTest cases discovered by ctest. QT runs it on Qt's
# offscreen platform; BROWSER also lets the embedded browser start without its sandbox (CI runs as
# root). GTEST_MAIN links GoogleTest's own main (programs with widgets bring a main that makes the
# application object). The user's state folder is one in the build tree, never the real one.
include(GoogleTest)
find_package(GTest REQUIRED)

function(ornavo_add_test name)
  cmake_parse_arguments(T "QT;BROWSER;GTEST_MAIN" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} GTest::gtest)
  if(T_GTEST_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Whatever a test leaves in the user's state folder stays in the build tree.
  set(environment "XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state")
  if(T_QT OR T_BROWSER)
    list(APPEND environment "QT_QPA_PLATFORM=offscreen")
  endif()
  if(T_BROWSER)
    list(APPEND environment "QTWEBENGINE_DISABLE_SANDBOX=1")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${T_TIMEOUT})
endfunction()
