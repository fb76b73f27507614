# Libraries the program loads the first time it calls one of their functions, not at start: it
# spends nearly all its life in the tray, which needs none of them, and each library loaded costs
# start-up time and private memory. Visual Studio's linker does this by itself; for MinGW-w64,
# dlltool makes a delay-import library from the list of functions the program calls.
function(kestal_delay_load target library)
  if(MSVC)
    target_link_libraries(${target} PUBLIC ${library} delayimp)
    target_link_options(${target} INTERFACE /DELAYLOAD:${library}.dll)
    return()
  endif()
  set(folder ${CMAKE_BINARY_DIR}/delay-load)
  list(JOIN ARGN "\n" functions)
  file(CONFIGURE OUTPUT ${folder}/${library}.def
       CONTENT "LIBRARY ${library}.dll\nEXPORTS\n${functions}\n")
  add_custom_command(OUTPUT ${folder}/lib${library}-delay.a
                     COMMAND ${CMAKE_DLLTOOL} -d ${library}.def -y lib${library}-delay.a
                             -D ${library}.dll
                     DEPENDS ${folder}/${library}.def WORKING_DIRECTORY ${folder} VERBATIM)
  add_custom_target(${library}-delay DEPENDS ${folder}/lib${library}-delay.a)
  add_dependencies(${target} ${library}-delay)
  target_link_libraries(${target} PUBLIC ${folder}/lib${library}-delay.a)
endfunction()
