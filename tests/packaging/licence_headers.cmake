# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines.
#   cmake -DSOURCE=<project folder> -P licence_headers.cmake
file(GLOB_RECURSE candidates RELATIVE ${SOURCE}
  ${SOURCE}/*.cpp ${SOURCE}/*.h ${SOURCE}/*.cmake ${SOURCE}/*.sh ${SOURCE}/*.py ${SOURCE}/CMakeLists.txt)
set(missing "")
foreach(file IN LISTS candidates)
  if(file MATCHES "^(build[^/]*|\\.git)/")
    continue()
  endif()
  file(STRINGS ${SOURCE}/${file} head LIMIT_COUNT 3)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
    string(APPEND missing "\n  ${file}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "No SPDX-License-Identifier line in:${missing}")
endif()
