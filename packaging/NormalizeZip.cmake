# Run by CPack on the packages it has made: a zip made by libarchive holds its files in the order
# the file system lists them and the builder's user and group ids. strip-nondeterminism (Debian's
# reproducible-builds tool) sorts the members, clears the ids and sets the fixed time.
include(${CMAKE_CURRENT_LIST_DIR}/SourceDateEpoch.cmake)
foreach(package ${CPACK_PACKAGE_FILES})
  if(NOT package MATCHES "\\.zip$")
    continue()
  endif()
  find_program(strip_nondeterminism strip-nondeterminism)
  if(NOT strip_nondeterminism)
    if(CMAKE_HOST_WIN32)
      message(WARNING "strip-nondeterminism not found: ${package} may differ from another build's")
      continue()
    endif()
    message(FATAL_ERROR "strip-nondeterminism not found (Debian package strip-nondeterminism): "
                        "without it the zip is not reproducible")
  endif()
  execute_process(COMMAND ${strip_nondeterminism} --type zip --timestamp ${kestal_epoch} ${package}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip-nondeterminism failed on ${package}")
  endif()
endforeach()
