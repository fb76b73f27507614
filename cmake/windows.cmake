# Windows build (MinGW-w64 cross build on Linux, or on Windows itself): the real platform layer,
# KestalDate.exe and the end-to-end driver.
enable_language(RC)

kestal_layer(kestal_win32 platform/win32 BELOW kestal_services)
target_compile_definitions(kestal_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                              _WIN32_WINNT=0x0601)
# uxtheme is linked as usual: the windowing loads it in the tray already. The others come when
# first called: comctl32 and winmm with the first window, ole32 with the first link opened or
# screen reader, oleacc and oleaut32 with the first screen reader, dwmapi with the first zoom.
target_link_libraries(kestal_win32 PUBLIC shell32 user32 gdi32 advapi32 uxtheme)
include(cmake/DelayLoad.cmake)
kestal_delay_load(kestal_win32 comctl32 InitCommonControlsEx SetWindowSubclass DefSubclassProc
                  RemoveWindowSubclass)
kestal_delay_load(kestal_win32 winmm sndPlaySoundW)
kestal_delay_load(kestal_win32 ole32 CoInitializeEx CoUninitialize CoLockObjectExternal
                  CoCreateInstance)
kestal_delay_load(kestal_win32 oleacc LresultFromObject CreateStdAccessibleObject
                  AccessibleObjectFromWindow)
kestal_delay_load(kestal_win32 oleaut32 SysAllocStringLen SysFreeString)
kestal_delay_load(kestal_win32 dwmapi DwmIsCompositionEnabled DwmFlush)

# How the program and the floor are linked. Sections on page boundaries in the file too: Wine
# then maps the image from the file instead of reading it into private memory (about 600 KiB of
# the program's private bytes). No link time in the header: the same sources give the same
# bytes.
set(kestal_image_options -Wl,--file-alignment,4096 -Wl,--no-insert-timestamp)
include(cmake/FewerSections.cmake)

# The program: no console, wide entry point, and no DLL beyond the system's.
add_executable(KestalDate WIN32 app/win32/WinMain.cpp app/win32/LibraryThrows.cpp
                          app/win32/LibraryThreads.cpp resources/KestalDate.rc)
target_link_libraries(KestalDate PRIVATE kestal_app kestal_win32)
if(MINGW)
  target_compile_options(KestalDate PRIVATE -municode)
  target_link_options(KestalDate PRIVATE -municode -static -static-libgcc -static-libstdc++ -s
                                            ${kestal_image_options})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    kestal_fewer_sections(KestalDate)
  endif()
endif()
set_property(SOURCE resources/KestalDate.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/KestalDate.manifest)
target_include_directories(KestalDate PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/resources
                                              ${CMAKE_CURRENT_BINARY_DIR}/generated)
set_property(SOURCE resources/KestalDate.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/kestal.ico
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/captain_classic.bmp
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/captain_ng.bmp
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/banner.bmp
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/sound16.wav
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/sound24.wav)

# The console converter, kestaldate.exe: a program of its own with a console, so that the tray
# program, which has none, never flashes one. It lies in bin/, in the build as where it is
# installed: Windows' file names ignore letter case, and beside KestalDate.exe it would be the
# same file.
file(GLOB console_win32_src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/console/win32/*.cpp)
add_executable(kestaldate ${console_win32_src} app/win32/LibraryThrows.cpp
                          app/win32/LibraryThreads.cpp console/win32/kestaldate.rc)
# The windows' layer for the stored convention only; the linker takes nothing else of it.
target_link_libraries(kestaldate PRIVATE kestal_console kestal_windows kestal_win32)
target_include_directories(kestaldate PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
set_target_properties(kestaldate PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
if(MINGW)
  # Short-lived, so laid out for size: the file's default alignment.
  target_compile_options(kestaldate PRIVATE -municode)
  target_link_options(kestaldate PRIVATE -municode -static -static-libgcc -static-libstdc++ -s
                                            -Wl,--no-insert-timestamp)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    kestal_fewer_sections(kestaldate)
  endif()
endif()

# A small exe: each function and datum in a section of its own, so that the link can leave out
# what the program never uses; no run-time type information (the program never asks a type its
# name); statics inside functions made without a lock and its calls into the thread library,
# since all the program's code runs on its one thread (COM brings the screen readers' calls to
# it, through its single-threaded apartment); and, for the release's MinSizeRel, GCC's smallest
# code, optimised at the link across the layers, which leaves out what no path of the program
# reaches (ld keeps every function that has unwind data, whether called or not). Where the layers
# also go into the unit tests (on Windows with GoogleTest), they are compiled as usual.
if(MINGW)
  set(kestal_exe_layers kestal_text kestal_engine kestal_input kestal_forms kestal_services
                        kestal_windows kestal_app kestal_win32 kestal_console)
  foreach(target ${kestal_exe_layers} KestalDate kestaldate)
    target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections -fno-rtti
                                             -fno-threadsafe-statics $<$<CONFIG:MinSizeRel>:-Oz>)
  endforeach()
  target_link_options(KestalDate PRIVATE -Wl,--gc-sections)
  target_link_options(kestaldate PRIVATE -Wl,--gc-sections)
  include(CheckIPOSupported)
  check_ipo_supported(RESULT kestal_lto LANGUAGES CXX)
  if(kestal_lto AND NOT TARGET kestal_tests)
    set_target_properties(${kestal_exe_layers} KestalDate kestaldate PROPERTIES
                          INTERPROCEDURAL_OPTIMIZATION_MINSIZEREL ON)
    # In one piece: GCC 12 stops with an internal error when it splits this program. (ld 2.40
    # warns "no symbol for section" for each inline variable of the link; that is harmless.)
    foreach(exe KestalDate kestaldate)
      target_link_options(${exe} PRIVATE
                          $<$<AND:$<CONFIG:MinSizeRel>,$<CXX_COMPILER_ID:GNU>>:-flto-partition=one>)
    endforeach()
  endif()
endif()

# The floor the program's start-up and memory are measured against: a minimal tray program of
# our own, built with the same flags.
if(KESTAL_BENCH)
  add_executable(KestalFloor WIN32 bench/floor/FloorTray.cpp)
  target_link_libraries(KestalFloor PRIVATE shell32 user32)
  if(MINGW)
    target_compile_options(KestalFloor PRIVATE -municode)
    target_link_options(KestalFloor PRIVATE -municode -static -static-libgcc -static-libstdc++ -s
                                               ${kestal_image_options})
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      kestal_fewer_sections(KestalFloor)
    endif()
  endif()
endif()

include(cmake/Packaging.cmake)

# The end-to-end tests: a driver exe that works the real program under Wine.
option(KESTAL_E2E "Build the end-to-end driver" ON)
if(KESTAL_E2E AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/CMakeLists.txt)
  enable_testing()
  add_subdirectory(e2e)
endif()
