# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)

# Builds the Debian package from the built tree with CPack, unpacks it into a
# scratch root and checks it as a user's machine would meet it: the control
# fields, the exact set of files, the icons' real sizes, the desktop entry's
# program and icon, the software-centre data, that every library the program
# and its printing module need is found and comes from a package the .deb
# depends on, and that the installed program finds its module.
foreach(var CPACK CPACK_CONFIG DPKG_DEB APPSTREAMCLI PROGRAM VERSION SCRATCH)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_deb.cmake needs -D${var}=...")
  endif()
endforeach()
if(NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "${PROGRAM} is not built: build the target mss65 first")
endif()

set(app_id org.mss65.Trainer)
set(icon_sizes 16 32 48 64 128 256)

set(problems "")
macro(problem text)
  string(APPEND problems "\n  ${text}")
endmacro()

# Runs a command that must succeed; its standard output goes to out_var.
function(run out_var)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "`${command}` failed (${rc}):\n${out}${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

# --- Build and unpack -------------------------------------------------------
file(REMOVE_RECURSE "${SCRATCH}")
run(cpack_output "${CPACK}" --config "${CPACK_CONFIG}" -G DEB -B "${SCRATCH}/out")
file(GLOB debs "${SCRATCH}/out/*.deb")
list(LENGTH debs deb_count)
if(NOT deb_count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${SCRATCH}/out, found ${deb_count}:\n${cpack_output}")
endif()
set(root "${SCRATCH}/root")
run(ignored "${DPKG_DEB}" -x "${debs}" "${root}")

# --- Control fields ---------------------------------------------------------
set(expected_fields
  "Package|mss65"
  "Version|${VERSION}"
  "Section|education"
  "Maintainer|Разработчики МСС-65 <mss65@example.org>")
foreach(entry IN LISTS expected_fields)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 field)
  list(GET entry 1 expected)
  run(value "${DPKG_DEB}" -f "${debs}" ${field})
  string(STRIP "${value}" value)
  if(NOT value STREQUAL expected)
    problem("${field} is \"${value}\", expected \"${expected}\"")
  endif()
endforeach()

run(depends "${DPKG_DEB}" -f "${debs}" Depends)
string(STRIP "${depends}" depends)
message(STATUS "Depends: ${depends}")
# The package names in Depends, alternatives included, versions dropped.
string(REGEX REPLACE "\\([^)]*\\)" "" names "${depends}")
string(REGEX REPLACE "[ \t\n]" "" names "${names}")
string(REGEX REPLACE "[,|]" ";" names "${names}")
string(REGEX REPLACE ":[a-z0-9]+" "" names "${names}")
# Named on purpose: the widgets library; Qt's GUI library, which also carries
# the platform and GIF plugins the program opens at run time; the SQLite
# driver the progress file is read through; the stemmer the search opens; the
# fonts the windows are set in; Qt SVG and Print Support, which the printing
# module links.
foreach(name libqt6widgets6 libqt6gui6 libqt6sql6-sqlite libstemmer0d fonts-liberation2 libqt6svg6
             libqt6printsupport6)
  if(NOT name IN_LIST names)
    problem("Depends does not name ${name}")
  endif()
endforeach()

# --- Files ------------------------------------------------------------------
set(expected_files
  usr/bin/mss65
  usr/lib/mss65/libmss65-print.so
  usr/share/applications/${app_id}.desktop
  usr/share/metainfo/${app_id}.metainfo.xml)
foreach(size IN LISTS icon_sizes)
  list(APPEND expected_files usr/share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
endforeach()
file(GLOB_RECURSE packaged LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
foreach(path IN LISTS expected_files)
  if(NOT path IN_LIST packaged)
    problem("missing from the package: ${path}")
  endif()
endforeach()
foreach(path IN LISTS packaged)
  if(NOT path IN_LIST expected_files)
    problem("not meant to be in the package: ${path}")
  endif()
endforeach()

# Each icon must really be as large as the folder it sits in says.
foreach(size IN LISTS icon_sizes)
  set(icon "${root}/usr/share/icons/hicolor/${size}x${size}/apps/${app_id}.png")
  if(NOT EXISTS "${icon}")
    continue()
  endif()
  file(READ "${icon}" signature LIMIT 8 HEX)
  file(READ "${icon}" header OFFSET 16 LIMIT 8 HEX)
  if(NOT signature STREQUAL "89504e470d0a1a0a")
    problem("${size}x${size} icon is not a PNG file")
    continue()
  endif()
  string(SUBSTRING "${header}" 0 8 width_hex)
  string(SUBSTRING "${header}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    problem("${size}x${size} icon is ${width}x${height}")
  endif()
endforeach()

# The menu entry starts the installed program and shows the installed icon.
set(desktop "${root}/usr/share/applications/${app_id}.desktop")
if(EXISTS "${desktop}")
  file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
  file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
  string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" exec_name "${exec_line}")
  string(REGEX REPLACE "^Icon=" "" icon_name "${icon_line}")
  if(NOT EXISTS "${root}/usr/bin/${exec_name}")
    problem("the desktop entry starts \"${exec_name}\", which the package does not put in usr/bin")
  endif()
  if(NOT EXISTS "${root}/usr/share/icons/hicolor/48x48/apps/${icon_name}.png")
    problem("the desktop entry shows the icon \"${icon_name}\", which the package does not carry")
  endif()
endif()

# The software-centre data as a whole tree: among others, its launchable must
# name a desktop entry that the package installs.
execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${root}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  problem("appstreamcli validate-tree fails on the unpacked package:\n${out}${err}")
endif()

# --- The program and its printing module can be loaded ----------------------
# Each library `file` links directly must be found, and come from a package
# that Depends names, or an installation could leave it out.
function(check_libraries file)
  run(ldd_output ldd "${file}")
  if(ldd_output MATCHES "not found")
    problem("ldd cannot find every library of ${file}:\n${ldd_output}")
  endif()
  run(dynamic readelf -d "${file}")
  string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*\\[[^]\n]+\\]" needed_lines "${dynamic}")
  if(NOT needed_lines)
    problem("readelf shows no library ${file} needs:\n${dynamic}")
  endif()
  string(REPLACE "\n" ";" ldd_lines "${ldd_output}")
  set(owners_seen "")
  foreach(line IN LISTS needed_lines)
    string(REGEX REPLACE ".*\\[([^]]+)\\]" "\\1" soname "${line}")
    # ldd writes "soname => /path (address)", or "/path (address)" for the
    # dynamic loader.
    set(path "")
    foreach(ldd_line IN LISTS ldd_lines)
      string(STRIP "${ldd_line}" ldd_line)
      string(REGEX REPLACE " \\(0x[0-9a-f]+\\)$" "" ldd_line "${ldd_line}")
      if(ldd_line MATCHES "^([^ ]+) => (/[^ ]+)$" AND CMAKE_MATCH_1 STREQUAL soname)
        set(path "${CMAKE_MATCH_2}")
      elseif(ldd_line MATCHES "^/[^ ]+$")
        get_filename_component(loaded_name "${ldd_line}" NAME)
        if(loaded_name STREQUAL soname)
          set(path "${ldd_line}")
        endif()
      endif()
    endforeach()
    if(NOT path)
      problem("ldd does not resolve ${soname} for ${file}")
      continue()
    endif()
    # With merged /usr, ldd's path and the one dpkg registered may differ in
    # a leading /usr.
    if(path MATCHES "^/usr(/.*)")
      set(other_path "${CMAKE_MATCH_1}")
    else()
      set(other_path "/usr${path}")
    endif()
    execute_process(COMMAND dpkg-query -S "${path}" "${other_path}"
                    OUTPUT_VARIABLE owners ERROR_QUIET)
    if(NOT owners MATCHES "^([^:, ]+)")
      problem("no installed package owns ${path} (${soname})")
      continue()
    endif()
    set(owner "${CMAKE_MATCH_1}")
    if(NOT owner IN_LIST names)
      problem("${file} links ${soname} from ${owner}, which Depends does not name")
    endif()
    list(APPEND owners_seen "${soname}:${owner}")
  endforeach()
  message(STATUS "Libraries of ${file} and their packages: ${owners_seen}")
  set(problems "${problems}" PARENT_SCOPE)
  set(ldd_output "${ldd_output}" PARENT_SCOPE)
endfunction()

set(program "${root}/usr/bin/mss65")
set(module "${root}/usr/lib/mss65/libmss65-print.so")
if(EXISTS "${program}")
  check_libraries("${program}")
  if(NOT ldd_output MATCHES "libQt6Widgets\\.so\\.6 => /")
    problem("ldd does not show the Qt 6 widgets library:\n${ldd_output}")
  endif()
  # Printing is opened on first use: the program itself never maps it.
  if(ldd_output MATCHES "libQt6PrintSupport|libQt6Svg")
    problem("the program links Qt Print Support or Qt SVG, which only its printing module should:\n${ldd_output}")
  endif()
endif()
if(EXISTS "${module}")
  check_libraries("${module}")
endif()

# The installed program finds its module in ../lib/mss65 and draws a card.
if(EXISTS "${program}" AND EXISTS "${module}")
  set(card "${SCRATCH}/installed-card.png")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=MSS65_PRINT_MODULE --unset=DISPLAY
            "${program}" --card MAA --output "${card}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc EQUAL 0 OR NOT EXISTS "${card}")
    problem("the installed program cannot write a card (status ${rc}):\n${out}${err}")
  endif()
endif()

if(problems)
  message(FATAL_ERROR "The Debian package ${debs} is wrong:${problems}")
endif()
list(LENGTH packaged file_count)
message(STATUS "${debs}: ${file_count} files, control fields and libraries as expected")
