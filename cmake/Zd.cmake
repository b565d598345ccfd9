# Shared build helpers. Every source folder is one static library whose sources are the
# .cpp files of that folder (globbed, so adding a file needs no CMake edit).

# zd_library(<target> [RECURSE] DEPS <libs...>)
function(zd_library target)
  cmake_parse_arguments(ZL "RECURSE" "" "DEPS;EXCLUDE" ${ARGN})
  if(ZL_RECURSE)
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  else()
    file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  foreach(ex IN LISTS ZL_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${ex}")
  endforeach()
  add_library(${target} STATIC ${srcs})
  # Includes are written from the repository's top: "platform/kernel/Clock.h".
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ZL_DEPS})
endfunction()

# zd_test(<target> DEPS <libs...> [LABELS <labels...>] [FIXTURES <fixtures...>] [XVFB])
# One GoogleTest executable from the .cpp files of the current folder and its subfolders.
# The headless environment (offscreen Qt, dummy SDL drivers) is set by the shared test main.
function(zd_test target)
  cmake_parse_arguments(ZT "XVFB" "" "DEPS;LABELS;FIXTURES;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(ex IN LISTS ZT_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${ex}")
  endforeach()
  add_executable(${target} ${srcs})
  if(ZT_XVFB)
    # Runs (and lists) the tests inside a private X server.
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR
      "xvfb-run;-a;-s;-screen 0 1280x1024x24")
    list(APPEND ZT_LABELS xvfb)
  endif()
  target_link_libraries(${target} PRIVATE ${ZT_DEPS} zd_testsupport GTest::gtest GTest::gmock)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  set(props TIMEOUT 300)
  if(ZT_FIXTURES)
    list(APPEND props FIXTURES_REQUIRED "${ZT_FIXTURES}")
  endif()
  if(ZT_LABELS)
    list(APPEND props LABELS "${ZT_LABELS}")
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ${props})
endfunction()
