execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the sample generator failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SAMPLE} ${OUT} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
    message(FATAL_ERROR "samples/Default.HR8 differs from what tools/make_sample writes; regenerate it with: "
                        "build/test/tools/make_sample samples/Default.HR8 (after ./test)")
endif()
