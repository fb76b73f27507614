# Native (Linux) build: besides the tests and tools, the console converter, the benchmarks and
# the fuzz targets.
file(GLOB console_posix_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/console/posix/*.cpp)
add_executable(kestaldate ${console_posix_src})
target_link_libraries(kestaldate PRIVATE kestal_console)

if(KESTAL_BENCH)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    file(GLOB bench_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bench/*.cpp)
    if(bench_src)
      add_executable(kestal_bench ${bench_src})
      target_link_libraries(kestal_bench PRIVATE kestal_engine benchmark::benchmark)
    endif()
  endif()
endif()

# The whole program worked by sequences of user and system actions on the headless platform
# (fuzz/program/): the fuzz target below plays them, and a replay program of every native build
# prints an input as its list of actions and plays it; the test run replays the committed corpus.
file(GLOB program_player_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/program/*.cpp)
list(FILTER program_player_src EXCLUDE REGEX "/ReplayMain\\.cpp$")
add_library(kestal_program_player STATIC ${program_player_src})
target_link_libraries(kestal_program_player PUBLIC kestal_app kestal_test_driver)
add_executable(kestal_replay_actions ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/program/ReplayMain.cpp)
target_link_libraries(kestal_replay_actions PRIVATE kestal_program_player)
add_test(NAME FuzzProgramActions.CorpusReplays
         COMMAND kestal_replay_actions ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/program_actions)

if(KESTAL_FUZZ)
  file(GLOB fuzz_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*.cpp)
  foreach(src ${fuzz_src})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE kestal_engine)
  endforeach()
  target_link_libraries(fuzz_program_actions PRIVATE kestal_program_player)
  target_link_libraries(fuzz_console_input PRIVATE kestal_console)
  # The headless machine and the player that works it are not what is explored: without
  # coverage of their own, the fuzzer's features are the program's, and their loops over texts
  # and logs don't pay for a comparison hook each.
  foreach(harness kestal_headless kestal_test_driver kestal_program_player)
    target_compile_options(${harness} PRIVATE -fno-sanitize=fuzzer-no-link)
  endforeach()
endif()
