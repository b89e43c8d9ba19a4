# SPDX-License-Identifier: GPL-3.0-or-later
# Feeds INPUT to the scenario runner and compares its output with EXPECTED.
execute_process(COMMAND ${RUNNER} INPUT_FILE ${INPUT} OUTPUT_VARIABLE actual RESULT_VARIABLE rc)
file(READ ${EXPECTED} expected)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "mss-scenario exited with ${rc}")
endif()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "Output differs from ${EXPECTED}:\n${actual}")
endif()
