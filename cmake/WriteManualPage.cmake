# Writes the manual page that the program makes of its own help: cmake -DPROGRAM=... -DOUT=... -P
execute_process(COMMAND ${PROGRAM} --manual-page OUTPUT_FILE ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUT})
    message(FATAL_ERROR "${PROGRAM} --manual-page failed: ${status}")
endif()
