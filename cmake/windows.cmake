# Windows build (MinGW-w64 cross build on Linux, or on Windows itself): the real platform layer,
# KestalDate.exe and the end-to-end driver.
kestal_sources(win32_src platform/win32)
add_library(kestal_win32 STATIC ${win32_src})
target_link_libraries(kestal_win32 PUBLIC kestal_logic)
target_compile_definitions(kestal_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                              _WIN32_WINNT=0x0601)

# The end-to-end tests: a driver exe that works the real program under Wine.
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/CMakeLists.txt)
  enable_testing()
  add_subdirectory(e2e)
endif()
