# Runs the art program into a scratch file and fails when its output differs
# from the committed bitmap (regenerate with: controls_panel_art resources/ControlsPanel.bmp,
# and resources/ControlsPanel200.bmp 200 and so on for the larger sizes).
execute_process(COMMAND ${PROGRAM} ${OUTPUT} ${PERCENT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${EXPECTED} is not what ${PROGRAM} draws now")
endif()
file(REMOVE ${OUTPUT})
