# Writes the release's time, in seconds since 1970, to OUTPUT when the build runs:
# SOURCE_DATE_EPOCH from the build's environment, else the commit time of HEAD; nothing
# where there is neither (a source tree without git). The file changes only when the time
# does, so that the program is linked again with a new commit's time, and only then.
#   cmake -DSOURCE_DIR=... -DOUTPUT=... -P release_epoch.cmake
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${SOURCE_DIR}"
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  set(epoch "")
endif()
set(written "")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" written)
endif()
if(NOT EXISTS "${OUTPUT}" OR NOT written STREQUAL epoch)
  file(WRITE "${OUTPUT}" "${epoch}")
endif()
