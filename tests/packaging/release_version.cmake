# SPDX-License-Identifier: GPL-3.0-or-later
# The software-centre description's newest release is the version the build
# gives the program (project(VERSION) in the top CMakeLists.txt).
file(READ "${METAINFO}" text)
string(REGEX MATCH "<release version=\"([^\"]+)\"" found "${text}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the newest release in ${METAINFO} is '${CMAKE_MATCH_1}', the program's version is '${VERSION}'")
endif()
