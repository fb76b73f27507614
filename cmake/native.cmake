# Native (Linux) build: the headless platform, the tests, the benchmarks and the fuzz targets.
kestal_sources(headless_src platform/headless)
add_library(kestal_headless STATIC ${headless_src})
target_link_libraries(kestal_headless PUBLIC kestal_logic)

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE test_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
add_executable(kestal_tests ${test_src})
target_link_libraries(kestal_tests PRIVATE kestal_headless GTest::gtest GTest::gtest_main)
target_compile_definitions(kestal_tests PRIVATE
  KESTAL_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}" KESTAL_MAIL="${KESTAL_MAIL}"
  KESTAL_WEB="${KESTAL_WEB}")
gtest_discover_tests(kestal_tests DISCOVERY_TIMEOUT 60)

# The generators of our own artwork and sounds (tools/); their output is committed under
# resources/ and a test checks that they still reproduce it byte for byte.
file(GLOB tool_dirs LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/tools/*)
foreach(dir ${tool_dirs})
  if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()

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

if(KESTAL_FUZZ)
  file(GLOB fuzz_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*.cpp)
  foreach(src ${fuzz_src})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE kestal_engine)
  endforeach()
endif()
