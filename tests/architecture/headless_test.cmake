# The SDL boundary's own tests (cmake/Brimvale.cmake, bv_headless_library).
#   -DCASE=includes  the build-time scan catches every spelling of an SDL include
#   -DCASE=links     configuring fails when a headless target's links reach SDL
#   -DCASE=declared  the libraries that must stay headless are declared so
# BV_CMAKE_DIR is the project's cmake/ folder, WORK a scratch folder, BUILD
# the project's build folder.

cmake_minimum_required(VERSION 3.20)
set(failures "")

# Records `what` as a failure unless `condition` (if() syntax, as text) holds.
macro(expect condition what)
  cmake_language(EVAL CODE "if(${condition})\nset(held TRUE)\nelse()\nset(held FALSE)\nendif()")
  if(NOT held)
    string(APPEND failures "\n  ${what}")
  endif()
endmacro()

# Runs the scan again over the tree `name` made by scan(), after a change to it.
function(rescan name rc_out text_out)
  execute_process(COMMAND ${CMAKE_COMMAND} -DARGS=${WORK}/${name}/args.cmake
                          -P ${BV_CMAKE_DIR}/headless_check.cmake
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${rc_out} ${rc} PARENT_SCOPE)
  set(${text_out} "${out}${err}" PARENT_SCOPE)
endfunction()

# A tiny tree: src/lib/a.cpp includes "lib/a.h", which includes `line`.
# Returns the scan's exit code and output.
function(scan name line rc_out text_out)
  set(root ${WORK}/${name})
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/src/lib/a.cpp "#include \"lib/a.h\"\n")
  file(WRITE ${root}/src/lib/a.h "#pragma once\n${line}\n")
  file(WRITE ${root}/src/lib/sdl_free.h "#pragma once\n#include <cstdint>\n")
  file(WRITE ${root}/args.cmake
    "set(BV_ROOTS \"${root}\")\n"
    "set(BV_TARGETS lib)\n"
    "set(BV_lib_DIR \"${root}/src/lib\")\n"
    "set(BV_lib_SOURCES \"a.cpp\")\n"
    "set(BV_lib_INCLUDES \"${root}/src;/usr/include\")\n")
  rescan(${name} rc text)
  set(${rc_out} ${rc} PARENT_SCOPE)
  set(${text_out} "${text}" PARENT_SCOPE)
endfunction()

# A project with no compiler: `core` is headless and links what `body` says.
function(configure name body rc_out text_out)
  set(root ${WORK}/${name})
  file(REMOVE_RECURSE ${root})
  file(WRITE ${root}/CMakeLists.txt
    "cmake_minimum_required(VERSION 3.20)\n"
    "project(headless_${name} NONE)\n"
    "include(${BV_CMAKE_DIR}/Brimvale.cmake)\n"
    "add_library(SDL2::SDL2 INTERFACE IMPORTED)\n"
    "add_library(Z::Z INTERFACE IMPORTED)\n"
    "add_library(mid INTERFACE)\n"
    "add_library(core INTERFACE)\n"
    "bv_headless_library(core)\n"
    "${body}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${root} -B ${root}/build
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${rc_out} ${rc} PARENT_SCOPE)
  set(${text_out} "${out}${err}" PARENT_SCOPE)
endfunction()

if(CASE STREQUAL "includes")
  set(spellings
    "#include <SDL.h>"
    "#include \"SDL.h\""
    "#include <SDL2/SDL_rect.h>"
    "#include \"SDL2/SDL_rect.h\""
    "  #  include   <SDL_mixer.h>"
    "#include<SDL2/SDL.h>"
    "#\tinclude\t\"SDL_image.h\""
    "#include_next <SDL2/SDL_stdinc.h>")
  set(i 0)
  foreach(line IN LISTS spellings)
    math(EXPR i "${i} + 1")
    scan(spelling${i} "${line}" rc text)
    expect("NOT rc EQUAL 0" "not caught: ${line}")
    string(FIND "${text}" "src/lib/a.h:2" at)
    expect("at GREATER -1" "the report does not name src/lib/a.h:2 for ${line}: ${text}")
    string(FIND "${text}" "reached from src/lib/a.cpp" at)
    expect("at GREATER -1" "the report does not say how a.h was reached: ${text}")
  endforeach()

  # Lower-case project headers and system headers are fine.
  scan(clean "#include \"lib/sdl_free.h\"\n#include <cstdint>\n// #include <SDL.h>" rc text)
  expect("rc EQUAL 0" "a clean tree was refused: ${text}")

  # A header reached only through another project header is scanned too.
  scan(deep "#include \"lib/sdl_free.h\"" rc text)
  file(APPEND ${WORK}/deep/src/lib/sdl_free.h "#include <SDL2/SDL_timer.h>\n")
  rescan(deep rc text)
  expect("NOT rc EQUAL 0" "an SDL include two headers deep was not caught")
  string(FIND "${text}" "src/lib/sdl_free.h:3" at)
  expect("at GREATER -1" "the deep include is not named: ${text}")

  # The header beside a source counts even when nothing includes it.
  scan(beside "#include <cstdint>" rc text)
  file(WRITE ${WORK}/beside/src/lib/a.cpp "// nothing included\n")
  rescan(beside rc text)
  expect("rc EQUAL 0" "a clean unincluded header was refused: ${text}")
  file(APPEND ${WORK}/beside/src/lib/a.h "#include <SDL.h>\n")
  rescan(beside rc text)
  expect("NOT rc EQUAL 0" "an SDL include in the header beside a source was not caught")

elseif(CASE STREQUAL "links")
  configure(direct "target_link_libraries(core INTERFACE SDL2::SDL2)" rc text)
  expect("NOT rc EQUAL 0" "a direct SDL link was accepted")
  string(FIND "${text}" "core -> SDL2::SDL2" at)
  expect("at GREATER -1" "the direct link's chain is not shown: ${text}")

  configure(through "target_link_libraries(core INTERFACE mid Z::Z)\nset_property(TARGET mid APPEND PROPERTY INTERFACE_LINK_LIBRARIES \"$<LINK_ONLY:SDL2::SDL2>\")" rc text)
  expect("NOT rc EQUAL 0" "SDL reached through another library was accepted")
  string(FIND "${text}" "core -> mid -> SDL2::SDL2" at)
  expect("at GREATER -1" "the chain through mid is not shown: ${text}")

  configure(flag "target_link_libraries(core INTERFACE mid)\ntarget_link_libraries(mid INTERFACE -lSDL2_mixer)" rc text)
  expect("NOT rc EQUAL 0" "a plain -lSDL2_mixer was accepted")

  configure(clean "target_link_libraries(core INTERFACE mid)\ntarget_link_libraries(mid INTERFACE Z::Z)" rc text)
  expect("rc EQUAL 0" "a headless target without SDL was refused: ${text}")

elseif(CASE STREQUAL "declared")
  include(${BUILD}/headless/targets.cmake)
  foreach(t brimvale_game brimvale_sim brimvale_settings brimvale_options brimvale_media)
    expect("t IN_LIST BV_TARGETS" "${t} is not declared with bv_headless_library")
  endforeach()

else()
  message(FATAL_ERROR "unknown CASE '${CASE}'")
endif()

if(failures)
  message(FATAL_ERROR "The SDL boundary check failed its own test:${failures}")
endif()
