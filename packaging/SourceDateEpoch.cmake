# The time every packaged file carries: SOURCE_DATE_EPOCH when set, else the last commit's time,
# so that the packages do not depend on when the build ran. Sets kestal_epoch (seconds) and
# kestal_epoch_text (a UTC date).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(kestal_epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY ${CPACK_KESTAL_SOURCE_DIR}
                  OUTPUT_VARIABLE kestal_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed ERROR_QUIET)
  if(failed OR NOT kestal_epoch MATCHES "^[0-9]+$")
    message(WARNING "No commit time and no SOURCE_DATE_EPOCH: the packages carry a fixed date")
    set(kestal_epoch 1798761600)
  endif()
endif()
# string(TIMESTAMP) reads SOURCE_DATE_EPOCH: this turns the number into a date.
set(ENV{SOURCE_DATE_EPOCH} ${kestal_epoch})
string(TIMESTAMP kestal_epoch_text "%Y-%m-%d %H:%M:%S UTC" UTC)
