# Runs orsalimbra-cli print with its own settings and data folders and checks the exit
# status, the message on stderr and the PDF it wrote.
#   -DCLI=<program> -DWORK=<folder, emptied first> -DARGS=<;-list, %OUT% is the PDF>
#   -DEXPECT_STATUS=<n> [-DEXPECT_STDERR=<regex>] [-DSETTINGS=<INI file for the store>]
#   [-DEXPECT_PAGES=<n>] [-DEXPECT_TEXT=<regex over the text in drawing order>]
#   [-DEXPECT_INFO=<regex over pdfinfo>]
#   [-DUSER_DATA=<the user's own copy of the data file; "folder": a folder in its place>]
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/config/Nerb ${WORK}/data/Nerb/Orsalimbra)
if(SETTINGS)
  configure_file(${SETTINGS} ${WORK}/config/Nerb/Nerb.ini COPYONLY)
endif()
if(USER_DATA STREQUAL "folder")
  file(MAKE_DIRECTORY ${WORK}/data/Nerb/Orsalimbra/Orsalimbra.ini)
elseif(USER_DATA)
  configure_file(${USER_DATA} ${WORK}/data/Nerb/Orsalimbra/Orsalimbra.ini COPYONLY)
endif()
set(OUT ${WORK}/calendar.pdf)
string(REPLACE "%OUT%" "${OUT}" ARGS "${ARGS}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${WORK}/config
                        XDG_DATA_HOME=${WORK}/data
                        --unset=QT_QPA_PLATFORM --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        ${CLI} print ${ARGS}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL EXPECT_STATUS)
  message(FATAL_ERROR "exit status ${status} instead of ${EXPECT_STATUS}\n${output}${errors}")
endif()
if(DEFINED EXPECT_STDERR AND NOT errors MATCHES "${EXPECT_STDERR}")
  message(FATAL_ERROR "stderr does not match '${EXPECT_STDERR}':\n${errors}")
endif()
if(NOT status EQUAL 0)
  # A failed export leaves nothing that could pass for a calendar.
  file(GLOB left ${WORK}/*.pdf ${WORK}/.*.part)
  if(left)
    message(FATAL_ERROR "files left after a failure: ${left}")
  endif()
  return()
endif()
if(DEFINED EXPECT_PAGES)
  execute_process(COMMAND pdfinfo ${OUT} OUTPUT_VARIABLE info RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT info MATCHES "Pages: +${EXPECT_PAGES}\n")
    message(FATAL_ERROR "expected ${EXPECT_PAGES} pages:\n${info}")
  endif()
  if(DEFINED EXPECT_INFO AND NOT info MATCHES "${EXPECT_INFO}")
    message(FATAL_ERROR "pdfinfo does not match '${EXPECT_INFO}':\n${info}")
  endif()
endif()
if(DEFINED EXPECT_TEXT)
  execute_process(COMMAND pdftotext -raw ${OUT} - OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT text MATCHES "${EXPECT_TEXT}")
    message(FATAL_ERROR "the text does not match '${EXPECT_TEXT}':\n${text}")
  endif()
endif()
