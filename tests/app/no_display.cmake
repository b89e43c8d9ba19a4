# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so in Russian and ends with status 1,
# not with a signal.   cmake -DPROGRAM=... -P no_display.cmake
foreach(display_case "unset" ":99999")
  if(display_case STREQUAL "unset")
    set(environment --unset=DISPLAY)
  else()
    set(environment DISPLAY=${display_case})
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${environment} ${PROGRAM}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT status STREQUAL "1")
    message(FATAL_ERROR "DISPLAY ${display_case}: status «${status}», not 1\n${err}")
  endif()
  if(NOT err MATCHES "не может открыть окно")
    message(FATAL_ERROR "DISPLAY ${display_case}: no Russian message on stderr:\n${err}")
  endif()
  if(err MATCHES "Reinstalling|could not connect")
    message(FATAL_ERROR "DISPLAY ${display_case}: the toolkit's own message came through:\n${err}")
  endif()
endforeach()
