# Checks that no file includes a header of a layer above its own:
#   cmake -DROOT=<source tree> -P cmake/CheckLayers.cmake
# Each folder names the folders whose headers its files may include (its own layer and those
# below it); the standard library, the system's headers and headers of the same folder are free.
cmake_minimum_required(VERSION 3.20)

set(failures 0)
function(check folder)
  set(allowed ${ARGN})
  file(GLOB files ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^#include \"")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
      get_filename_component(header_dir ${header} DIRECTORY)
      # The same folder, or the generated version header.
      if(NOT header_dir STREQUAL "" AND NOT header_dir IN_LIST allowed)
        file(RELATIVE_PATH shown ${ROOT} ${file})
        message(SEND_ERROR "${shown} includes ${header}, above the layer of ${folder}")
        math(EXPR failures "${failures} + 1")
        set(failures ${failures} PARENT_SCOPE)
      endif()
    endforeach()
  endforeach()
endfunction()

set(text platform/text)
set(engine engine ${text})
set(input input ${text})
set(window platform/window ${text})
set(windows tray convert settings effects conventions resources ${engine} ${input} ${window})

check(platform/text ${text})
check(engine ${engine})
check(input ${input})
check(platform/window ${window})
foreach(folder tray convert settings effects conventions)
  check(${folder} ${windows})
endforeach()
check(app app ${windows})
check(app/win32 app platform/win32 ${windows})
check(platform/win32 platform/win32 resources ${window})
check(platform/headless platform/headless ${window})

if(failures EQUAL 0)
  message(STATUS "every layer includes only its own headers and those below it")
endif()
