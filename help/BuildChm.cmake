# Compiles the help project with chmcmd in a scratch copy of the sources, so that the source tree stays clean and
# a file dropped from the project cannot slip in from an earlier build. Quiet unless chmcmd fails.
# Called as: cmake -DCHMCMD=... -DSOURCE_DIR=... -DWORK_DIR=... -DOUTPUT=... -P BuildChm.cmake
foreach(var CHMCMD SOURCE_DIR WORK_DIR OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "BuildChm.cmake: ${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY "${SOURCE_DIR}/" DESTINATION "${WORK_DIR}" PATTERN "CMakeLists.txt" EXCLUDE PATTERN "*.cmake" EXCLUDE)

execute_process(
    COMMAND "${CHMCMD}" --no-html-scan --verbosity 0 parlowen.hhp
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK_DIR}/parlowen.chm")
    message(FATAL_ERROR "chmcmd failed (${result}):\n${output}")
endif()
# chmcmd reports a missing project file only as a warning.
if(output MATCHES "Warning|Error")
    message(FATAL_ERROR "chmcmd reported problems:\n${output}")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${WORK_DIR}/parlowen.chm" "${OUTPUT}")
