# Helpers shared by every folder's CMakeLists.

# Executables the player or a modder runs live at the top of the build folder,
# beside the generated data/ tree, because the game finds its data next to itself.
function(bv_place_at_top target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

# A library that must stay free of SDL: a stand-in SDL header that fails the
# build sits first on its include path, so an SDL include cannot slip in.
set(BV_NO_SDL_DIR ${CMAKE_BINARY_DIR}/no-sdl)
foreach(h SDL.h SDL_stdinc.h SDL_events.h SDL_keyboard.h SDL_scancode.h SDL_timer.h
          SDL_render.h SDL_video.h SDL_audio.h SDL_rwops.h SDL_surface.h SDL_mixer.h SDL_image.h)
  file(WRITE ${BV_NO_SDL_DIR}/${h} "#error \"SDL is not allowed in this library\"\n")
  file(WRITE ${BV_NO_SDL_DIR}/SDL2/${h} "#error \"SDL is not allowed in this library\"\n")
endforeach()

function(bv_forbid_sdl target)
  target_include_directories(${target} BEFORE PRIVATE ${BV_NO_SDL_DIR})
endfunction()

# bv_add_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [NO_SDL])
function(bv_add_test name)
  cmake_parse_arguments(T "NO_SDL" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  # Where tests find the checkout's files and the build's outputs (tools, data).
  target_compile_definitions(${name} PRIVATE
    BV_SOURCE_DIR="${CMAKE_SOURCE_DIR}" BV_BUILD_DIR="${CMAKE_BINARY_DIR}")
  if(T_NO_SDL)
    bv_forbid_sdl(${name})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# bv_add_benchmark(name SOURCES a.cpp LIBS lib1): a Google Benchmark program,
# not part of the test suite; `make bench` runs every one of them.
function(bv_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT BRIMVALE_BENCHMARKS)
    return()
  endif()
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
