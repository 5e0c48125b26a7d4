# Helpers shared by every folder's CMakeLists.

# Executables the player or a modder runs live at the top of the build folder,
# beside the generated data/ tree, because the game finds its data next to itself.
function(bv_place_at_top target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

set(BV_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

# bv_headless_library(target): the target must never use SDL, so that the
# game runs headless in tests and tools. Checked twice over, for every target
# so marked: when configuring ends, its link closure (LINK_LIBRARIES and
# INTERFACE_LINK_LIBRARIES, followed through every target) must not reach
# SDL; and before any of them builds, headless_check.cmake scans their
# sources and every project header those include for an SDL include in any
# spelling. Either failure stops the build. New files are found from the
# target's sources, so nothing needs listing twice.
function(bv_headless_library target)
  set_property(GLOBAL APPEND PROPERTY BV_HEADLESS_TARGETS ${target})
  get_property(armed GLOBAL PROPERTY BV_HEADLESS_ARMED)
  if(NOT armed)
    set_property(GLOBAL PROPERTY BV_HEADLESS_ARMED TRUE)
    # At the end of the top directory every target has all its links.
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _bv_check_headless)
  endif()
endfunction()

# Anything whose name says SDL: SDL2::SDL2, SDL2_mixer::SDL2_mixer, -lSDL2,
# a path to libSDL2.so, PkgConfig::SDL2.
function(_bv_is_sdl item out)
  if(item MATCHES "SDL")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# Sets `out` to "a -> b -> SDL2::SDL2" when the link closure of `target`
# reaches SDL, else to "".
function(_bv_sdl_link_chain target out)
  set(todo ${target})
  set(seen ${target})
  string(MAKE_C_IDENTIFIER "${target}" id)
  set(chain_${id} "${target}")
  while(todo)
    list(POP_FRONT todo node)
    string(MAKE_C_IDENTIFIER "${node}" id)
    set(links "")
    if(TARGET ${node})
      get_target_property(aliased ${node} ALIASED_TARGET)
      if(aliased)
        list(APPEND links ${aliased})
      else()
        foreach(prop LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
          get_target_property(items ${node} ${prop})
          if(items)
            list(APPEND links ${items})
          endif()
        endforeach()
      endif()
    endif()
    foreach(item ${links})
      # Private links of static libraries come as $<LINK_ONLY:x>.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
      _bv_is_sdl("${item}" sdl)
      if(sdl)
        set(${out} "${chain_${id}} -> ${item}" PARENT_SCOPE)
        return()
      endif()
      if(TARGET ${item} AND NOT item IN_LIST seen)
        list(APPEND seen ${item})
        list(APPEND todo ${item})
        string(MAKE_C_IDENTIFIER "${item}" next)
        set(chain_${next} "${chain_${id}} -> ${item}")
      endif()
    endforeach()
  endwhile()
  set(${out} "" PARENT_SCOPE)
endfunction()

function(_bv_check_headless)
  get_property(targets GLOBAL PROPERTY BV_HEADLESS_TARGETS)
  set(problems "")
  set(args "set(BV_ROOTS \"${CMAKE_SOURCE_DIR};${CMAKE_BINARY_DIR}\")\n")
  foreach(t ${targets})
    _bv_sdl_link_chain(${t} chain)
    if(chain)
      string(APPEND problems "\n  ${chain}")
    endif()
    string(APPEND args
      "list(APPEND BV_TARGETS ${t})\n"
      "set(BV_${t}_DIR \"$<TARGET_PROPERTY:${t},SOURCE_DIR>\")\n"
      "set(BV_${t}_SOURCES \"$<TARGET_PROPERTY:${t},SOURCES>\")\n"
      "set(BV_${t}_INCLUDES \"$<TARGET_PROPERTY:${t},INCLUDE_DIRECTORIES>\")\n")
  endforeach()
  if(problems)
    message(FATAL_ERROR "These targets must stay free of SDL (bv_headless_library), but "
      "their links reach it:${problems}\nPut the part that needs SDL into a library of "
      "its own, as brimvale_media_sdl does for the media core.")
  endif()
  set(args_file ${CMAKE_BINARY_DIR}/headless/targets.cmake)
  file(GENERATE OUTPUT ${args_file} CONTENT "${args}")
  add_custom_target(bv_headless_check
    COMMAND ${CMAKE_COMMAND} -DARGS=${args_file} -P ${BV_CMAKE_DIR}/headless_check.cmake
    COMMENT "Checking that the headless libraries include no SDL"
    VERBATIM)
  foreach(t ${targets})
    add_dependencies(${t} bv_headless_check)
  endforeach()
endfunction()

# bv_add_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [NO_SDL]); NO_SDL makes
# the test program headless like the library it tests.
function(bv_add_test name)
  cmake_parse_arguments(T "NO_SDL" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  # Where tests find the checkout's files and the build's outputs (tools, data).
  target_compile_definitions(${name} PRIVATE
    BV_SOURCE_DIR="${CMAKE_SOURCE_DIR}" BV_BUILD_DIR="${CMAKE_BINARY_DIR}")
  if(T_NO_SDL)
    bv_headless_library(${name})
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

# bv_add_fuzz_target(name SOURCES a.cpp LIBS lib1 [CORPUS dir] [DICT file]):
# a reader's fuzz target, whose sources define LLVMFuzzerTestOneInput. Every
# build replays the target's kept inputs (CORPUS, by default
# tests/media/fuzz/corpus/<name>) as the test fuzz_corpus.<name>, through the
# same entry linked with a small driver; the fuzzing build (-DBRIMVALE_FUZZ=ON,
# clang) also makes the libFuzzer program build/fuzz/fuzz_<name>, which
# scripts/run-fuzzers finds through build/fuzz/<name>.target.
function(bv_add_fuzz_target name)
  cmake_parse_arguments(F "" "CORPUS;DICT" "SOURCES;LIBS" ${ARGN})
  if(NOT F_CORPUS)
    set(F_CORPUS ${CMAKE_SOURCE_DIR}/tests/media/fuzz/corpus/${name})
  endif()
  add_executable(fuzz_${name}_replay ${F_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/fuzz_replay_main.cpp)
  target_link_libraries(fuzz_${name}_replay PRIVATE ${F_LIBS})
  target_include_directories(fuzz_${name}_replay PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
  target_compile_definitions(fuzz_${name}_replay PRIVATE
    BV_SOURCE_DIR="${CMAKE_SOURCE_DIR}" BV_BUILD_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME fuzz_corpus.${name} COMMAND fuzz_${name}_replay ${F_CORPUS})
  set_tests_properties(fuzz_corpus.${name} PROPERTIES
    ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
  if(NOT BRIMVALE_FUZZ OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  add_executable(fuzz_${name} ${F_SOURCES})
  target_link_libraries(fuzz_${name} PRIVATE ${F_LIBS})
  target_include_directories(fuzz_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
  target_compile_definitions(fuzz_${name} PRIVATE
    BV_SOURCE_DIR="${CMAKE_SOURCE_DIR}" BV_BUILD_DIR="${CMAKE_BINARY_DIR}")
  target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set(dict "")
  if(F_DICT)
    set(dict ${F_DICT})
  endif()
  file(WRITE ${CMAKE_BINARY_DIR}/fuzz/${name}.target "corpus=${F_CORPUS}\ndict=${dict}\n")
  if(NOT TARGET fuzzers)
    add_custom_target(fuzzers)
  endif()
  add_dependencies(fuzzers fuzz_${name})
endfunction()
