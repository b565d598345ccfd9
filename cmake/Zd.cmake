# Shared build helpers. Every source folder is one static library whose sources are the
# .cpp files of that folder (globbed, so adding a file needs no CMake edit).

# zd_exclude_sources(<list var> <regexes...>): drops the files whose path below the current source
# folder, written with a leading "/", matches one of the regexes. The folder's own path is left
# out, so a checkout under a folder named like an excluded one ("/preview/") keeps its sources.
function(zd_exclude_sources var)
  set(kept)
  foreach(src IN LISTS ${var})
    file(RELATIVE_PATH rel ${CMAKE_CURRENT_SOURCE_DIR} ${src})
    set(drop FALSE)
    foreach(ex IN LISTS ARGN)
      if("/${rel}" MATCHES "${ex}")
        set(drop TRUE)
      endif()
    endforeach()
    if(NOT drop)
      list(APPEND kept ${src})
    endif()
  endforeach()
  set(${var} ${kept} PARENT_SCOPE)
endfunction()

# zd_library(<target> [RECURSE] DEPS <libs...>)
function(zd_library target)
  cmake_parse_arguments(ZL "RECURSE" "" "DEPS;EXCLUDE" ${ARGN})
  if(ZL_RECURSE)
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  else()
    file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  zd_exclude_sources(srcs ${ZL_EXCLUDE})
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
  zd_exclude_sources(srcs ${ZT_EXCLUDE})
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
