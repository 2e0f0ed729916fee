# ornavo_add_test(NAME SOURCES src... LIBRARIES lib... [QT] [BROWSER] [GTEST_MAIN] [TIMEOUT seconds])
#
# One test program per component, its GoogleTest cases discovered by ctest. QT runs it on Qt's
# offscreen platform; BROWSER also lets the embedded browser start without its sandbox (CI runs as
# root). GTEST_MAIN links GoogleTest's own main (programs with widgets bring a main that makes the
# application object). The user's state folder is one in the build tree, never the real one.
#
# Cross-built (Windows, cmake/mingw-w64.cmake), GoogleTest is built from Debian's sources
# (/usr/src/googletest, package libgtest-dev) and each program is one ctest test, run through the
# build's emulator (Wine): its cases are not listed one by one, which would start Wine for each.
include(GoogleTest)
if(CMAKE_CROSSCOMPILING AND NOT TARGET GTest::gtest)
  set(ORNAVO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built for the target")
  if(NOT EXISTS ${ORNAVO_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${ORNAVO_GTEST_SOURCE} (Debian: libgtest-dev)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ORNAVO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest) # GoogleTest before 1.11 names no such targets itself
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
elseif(NOT TARGET GTest::gtest)
  find_package(GTest REQUIRED)
endif()

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
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${T_TIMEOUT})
    return()
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${T_TIMEOUT})
endfunction()
