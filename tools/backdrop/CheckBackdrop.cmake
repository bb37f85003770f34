# Regenerates the backdrop into a scratch file and fails unless it equals the
# committed picture byte for byte.
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${PROGRAM} ${OUTPUT} ${PERCENT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the backdrop program failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
                RESULT_VARIABLE different)
if(NOT different EQUAL 0)
    message(FATAL_ERROR "${COMMITTED} is out of date: build the backdrop_update target")
endif()
