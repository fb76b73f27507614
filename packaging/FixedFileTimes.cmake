# Run by CPack on the staged files before it packs them: every file and folder gets the same
# fixed time (the installer keeps the times of its files). The times are set by packing the
# staged tree into a tar with that time and unpacking it over itself, which works on every host.
include(${CMAKE_CURRENT_LIST_DIR}/SourceDateEpoch.cmake)
get_filename_component(stage ${CPACK_TEMPORARY_DIRECTORY} NAME)
get_filename_component(parent ${CPACK_TEMPORARY_DIRECTORY} DIRECTORY)
set(tar ${parent}/${stage}-times.tar)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${tar} --format=pax
                        "--mtime=${kestal_epoch_text}" ${stage}
                WORKING_DIRECTORY ${parent} RESULT_VARIABLE failed)
if(NOT failed)
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${tar} WORKING_DIRECTORY ${parent}
                  RESULT_VARIABLE failed)
endif()
file(REMOVE ${tar})
if(failed)
  message(FATAL_ERROR "Could not give the staged files a fixed time")
endif()
