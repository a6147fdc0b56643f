# Runs orsalimbra-cli (or another program) and checks its exit status and its
# standard output.
#   -DCLI=<program> -DARGS=<;-list> -DEXPECT_STATUS=<n> -DEXPECT_OUTPUT=<regex>
#   [-DEXPECT_STDERR=<regex over standard error>]
#   [-DSTDOUT=<file to send standard output to instead; EXPECT_OUTPUT then
#   matches standard error>]
if(DEFINED STDOUT)
  execute_process(COMMAND ${CLI} ${ARGS} OUTPUT_FILE ${STDOUT}
                  RESULT_VARIABLE status ERROR_VARIABLE output)
else()
  execute_process(COMMAND ${CLI} ${ARGS}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
endif()
if(NOT status EQUAL EXPECT_STATUS)
  message(FATAL_ERROR "exit status ${status} instead of ${EXPECT_STATUS}\n${output}${errors}")
endif()
if(NOT output MATCHES "${EXPECT_OUTPUT}")
  message(FATAL_ERROR "output does not match '${EXPECT_OUTPUT}':\n${output}${errors}")
endif()
if(DEFINED EXPECT_STDERR AND NOT errors MATCHES "${EXPECT_STDERR}")
  message(FATAL_ERROR "standard error does not match '${EXPECT_STDERR}':\n${errors}")
endif()
