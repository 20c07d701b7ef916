# Export, edit one line, import, diff: the diff shows exactly that line; a bad value writes nothing.
set(dir ${WORK}/import_roundtrip)
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir})
execute_process(COMMAND ${RCEDIT} --export ${SAMPLE} OUTPUT_FILE ${dir}/a.txt RESULT_VARIABLE rc)
file(READ ${dir}/a.txt text)
string(REPLACE "Base Codes | Control Operator Code | 123\n" "Base Codes | Control Operator Code | 4321\n" edited
       "${text}")
file(WRITE ${dir}/a.txt "${edited}")
execute_process(COMMAND ${RCEDIT} --import ${dir}/a.txt --output ${dir}/B.HR8 ${SAMPLE} RESULT_VARIABLE rc1)
execute_process(COMMAND ${RCEDIT} --diff ${SAMPLE} ${dir}/B.HR8 OUTPUT_VARIABLE diff RESULT_VARIABLE rc2)
if(NOT rc EQUAL 0 OR NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 1
   OR NOT diff STREQUAL "Base Codes | Control Operator Code | 123 -> 4321\n")
    message(FATAL_ERROR "export ${rc}, import ${rc1}, diff ${rc2}:\n${diff}")
endif()
string(REPLACE "| 4321\n" "| 43210000\n" bad "${edited}")
file(WRITE ${dir}/a.txt "${bad}")
execute_process(COMMAND ${RCEDIT} --import ${dir}/a.txt --output ${dir}/C.HR8 ${SAMPLE} RESULT_VARIABLE rc3
                ERROR_VARIABLE refused)
if(NOT rc3 EQUAL 2 OR EXISTS ${dir}/C.HR8 OR NOT refused MATCHES "a.txt:11: Base Codes \\| Control Operator Code: Error")
    message(FATAL_ERROR "a bad value: exit ${rc3}, ${refused}")
endif()
