# Runs the runner on one script in DIR and compares what it printed with
# DIR/NAME.expected, what it complained of with DIR/NAME.stderr (none: no
# complaint) and its exit code (2 with a complaint, else 0).
# -D: RUNNER SCRIPT NAME DIR OUT, and INPUT for a script read from stdin.
# SCRIPT may be several arguments joined by "|".

# Quoted words stay words in if(): "err" is also the name of a variable here.
cmake_policy(VERSION 3.25)
string(REPLACE "|" ";" SCRIPT "${SCRIPT}")

if(DEFINED INPUT)
  execute_process(COMMAND ${RUNNER} ${SCRIPT} WORKING_DIRECTORY ${DIR}
    INPUT_FILE ${DIR}/${INPUT}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
else()
  execute_process(COMMAND ${RUNNER} ${SCRIPT} WORKING_DIRECTORY ${DIR}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
endif()

set(want_rc 0)
set(want_err "")
if(EXISTS ${DIR}/${NAME}.stderr)
  set(want_rc 2)
  file(READ ${DIR}/${NAME}.stderr want_err)
endif()
file(READ ${DIR}/${NAME}.expected want_out)

set(failures "")
foreach(stream out err)
  if(NOT "${${stream}}" STREQUAL "${want_${stream}}")
    file(WRITE ${OUT}/${NAME}.actual-${stream} "${${stream}}")
    set(wanted ${DIR}/${NAME}.expected)
    if(stream STREQUAL "err")
      file(WRITE ${OUT}/${NAME}.wanted-err "${want_err}")
      set(wanted ${OUT}/${NAME}.wanted-err)
    endif()
    execute_process(COMMAND diff -u ${wanted} ${OUT}/${NAME}.actual-${stream})
    string(APPEND failures " std${stream} differs;")
  endif()
endforeach()
if(NOT "${rc}" STREQUAL "${want_rc}")
  string(APPEND failures " exit code ${rc}, wanted ${want_rc};")
endif()
if(failures)
  message(FATAL_ERROR "${NAME}:${failures}")
endif()
