# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the runner on one script in DIR and compares what it printed with
# DIR/NAME.expected, what it complained of with DIR/NAME.stderr (none: no
# complaint) and its exit code (2 with a complaint, else 0).
# -D: RUNNER SCRIPT NAME DIR OUT, INPUT for a script read from stdin, and
# EMULATOR (a list, may be empty) to run RUNNER through. SCRIPT may be several
# arguments joined by "|".

# Quoted words stay words in if(): "err" is also the name of a variable here.
cmake_policy(VERSION 3.25)
string(REPLACE "|" ";" SCRIPT "${SCRIPT}")

# Compared as bytes: OUTPUT_VARIABLE and a plain file(READ) drop the "\r" of
# "\r\n", and a transcript with carriage returns is a different transcript.
set(actual ${OUT}/${NAME}.actual)
set(input "")
if(DEFINED INPUT)
  set(input INPUT_FILE ${DIR}/${INPUT})
endif()
execute_process(COMMAND ${EMULATOR} ${RUNNER} ${SCRIPT} WORKING_DIRECTORY ${DIR} ${input}
  OUTPUT_FILE ${actual}-out ERROR_FILE ${actual}-err RESULT_VARIABLE rc)
file(READ ${actual}-out out HEX)
file(READ ${actual}-err err HEX)

set(want_rc 0)
set(want_err "")
if(EXISTS ${DIR}/${NAME}.stderr)
  set(want_rc 2)
  file(READ ${DIR}/${NAME}.stderr want_err HEX)
endif()
file(READ ${DIR}/${NAME}.expected want_out HEX)

set(failures "")
foreach(stream out err)
  if(NOT "${${stream}}" STREQUAL "${want_${stream}}")
    set(wanted ${DIR}/${NAME}.expected)
    if(stream STREQUAL "err")
      set(wanted ${DIR}/${NAME}.stderr)
      if(NOT EXISTS ${wanted})
        set(wanted /dev/null)
      endif()
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
