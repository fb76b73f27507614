# kestal_fewer_sections(TARGET): links TARGET with GNU ld's own script for the image, changed in
# one place: the C run-time's start-up tables (.CRT) and the template of the thread-local data
# (.tls), about a hundred bytes together, go at the end of .data instead of into sections of
# their own. With sections on page boundaries in the file, each of them took a page of the exe.
# The script is the linker's own, so nothing else of the layout changes; where it does not have
# the expected shape (another linker, another version), the target keeps the default layout.
function(kestal_fewer_sections target)
  execute_process(COMMAND ${CMAKE_LINKER} --verbose OUTPUT_VARIABLE verbose
                  RESULT_VARIABLE failed ERROR_QUIET)
  set(separator "==================================================")
  string(FIND "${verbose}" "${separator}\n" first)
  string(FIND "${verbose}" "\n${separator}" last REVERSE)
  if(failed OR first EQUAL -1 OR last LESS_EQUAL first)
    message(STATUS "${target}: the linker's script is not at hand, default sections kept")
    return()
  endif()
  string(LENGTH "${separator}\n" skip)
  math(EXPR first "${first} + ${skip}")
  math(EXPR length "${last} - ${first}")
  string(SUBSTRING "${verbose}" ${first} ${length} script)

  # Takes the body of the output section NAME out of the script; empty when it is not there as
  # expected (an opening brace on its own line, a closing one on the line after the body).
  macro(take name body)
    set(${body} "")
    string(REGEX MATCH "\n  ${name} BLOCK\\(__section_alignment__\\) :\n  {\n([^{}]*)\n  }\n"
           statement "${script}")
    if(statement)
      set(${body} "${CMAKE_MATCH_1}")
      string(REPLACE "${statement}" "\n" script "${script}")
    endif()
  endmacro()
  take("\\.CRT" crt)
  take("\\.tls" tls)
  set(data_end "    *(.data_cygwin_nocopy)\n  }\n")
  string(FIND "${script}" "${data_end}" at)
  if(crt STREQUAL "" OR tls STREQUAL "" OR at EQUAL -1)
    message(STATUS "${target}: the linker's script has another shape, default sections kept")
    return()
  endif()
  # The start-up code's other tables (.CRT$XD*), which the script leaves to be placed by name.
  set(other_tables "    KEEP (*(SORT(.CRT$*)))")
  string(REPLACE "${data_end}" "    *(.data_cygwin_nocopy)\n${crt}\n${other_tables}\n${tls}\n  }\n"
         script "${script}")
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}.ld)
  file(WRITE ${file} "${script}")
  target_link_options(${target} PRIVATE -Wl,-T,${file})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${file})
endfunction()
