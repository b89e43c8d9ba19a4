# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)

# Draws every picture into OUTPUT with GENERATOR and fails unless the result
# is exactly the set of pictures in COMMITTED, byte for byte.
foreach(var GENERATOR COMMITTED OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "compare_regenerated.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${OUTPUT}")
# The ordinary pictures, and their sharper copies for high-density screens.
foreach(scale 1 2)
  execute_process(COMMAND "${GENERATOR}" --out "${OUTPUT}" --scale ${scale} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the generator failed at scale ${scale}: ${status}")
  endif()
endforeach()

file(GLOB committed RELATIVE "${COMMITTED}" "${COMMITTED}/*.gif" "${COMMITTED}/*.ico" "${COMMITTED}/*.png")
file(GLOB generated RELATIVE "${OUTPUT}" "${OUTPUT}/*")
list(SORT committed)
list(SORT generated)

set(problems "")
foreach(name IN LISTS generated)
  if(NOT name IN_LIST committed)
    string(APPEND problems "\n  drawn but not committed: ${name}")
  endif()
endforeach()
foreach(name IN LISTS committed)
  if(NOT name IN_LIST generated)
    string(APPEND problems "\n  committed but no longer drawn: ${name}")
  else()
    file(SHA256 "${COMMITTED}/${name}" committed_hash)
    file(SHA256 "${OUTPUT}/${name}" generated_hash)
    if(NOT committed_hash STREQUAL generated_hash)
      string(APPEND problems "\n  differs from its drawing: ${name}")
    endif()
  endif()
endforeach()

list(LENGTH generated count)
if(problems)
  message(FATAL_ERROR "The committed pictures are not what the generator draws:${problems}\n"
                      "Redraw them with the target mss-pictures-update and commit data/pictures.")
endif()
message(STATUS "${count} pictures drawn anew, all identical to the committed ones")
