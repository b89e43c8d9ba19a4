# SPDX-License-Identifier: GPL-3.0-or-later
# mss65 --card as a teacher's script runs it, without any display: the PDF
# of several cards, read back with poppler's tools, and every refusal with
# its status and Russian message, nothing written.
#
#   cmake -DPROGRAM=mss65 -DCASE=pdf -DSCRATCH=dir -DPDFINFO=... -DPDFTOTEXT=... -DPDFFONTS=... -P card_run.cmake

function(run)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${ENVIRONMENT}
            ${PROGRAM} ${ARGN}
    WORKING_DIRECTORY "${SCRATCH}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  set(status "${status}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(ran "mss65 ${ARGN}" PARENT_SCOPE)
endfunction()

function(fail what)
  message(FATAL_ERROR "${ran}: ${what}\nstatus: ${status}\nstdout:\n${out}\nstderr:\n${err}")
endfunction()

# Runs a tool that must succeed; its output goes to out_var.
function(tool out_var)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE output ERROR_VARIABLE error)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "`${command}` failed (${rc}):\n${output}${error}")
  endif()
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")

if(CASE STREQUAL "pdf")
  run(--card NC MAA AE1 --output cards.pdf)
  if(NOT (status EQUAL 0))
    fail("the status should be 0")
  endif()
  if(NOT (out STREQUAL "" AND err STREQUAL ""))
    fail("nothing should be printed")
  endif()
  tool(info "${PDFINFO}" "${SCRATCH}/cards.pdf")
  if(NOT (info MATCHES "Pages: +1\n"))
    fail("three cards should stand on one page:\n${info}")
  endif()
  if(NOT (info MATCHES "Page size: +595(\\.[0-9]+)? x 842(\\.[0-9]+)? pts \\(A4\\)"))
    fail("the page should be A4:\n${info}")
  endif()
  tool(text "${PDFTOTEXT}" "${SCRATCH}/cards.pdf" -)
  foreach(shown NC MAA AE1 "Я терплю бедствие" "Медицинский раздел" "флаг M" "повторяет A" "Унауан")
    string(FIND "${text}" "${shown}" at)
    if(NOT (at GREATER -1))
      fail("the text of the PDF should hold «${shown}»:\n${text}")
    endif()
  endforeach()
  tool(fonts "${PDFFONTS}" "${SCRATCH}/cards.pdf")
  string(REPLACE "\n" ";" font_lines "${fonts}")
  list(SUBLIST font_lines 2 -1 font_lines)
  list(FILTER font_lines EXCLUDE REGEX "^$")
  if(NOT (font_lines))
    fail("the PDF should name its fonts:\n${fonts}")
  endif()
  foreach(line IN LISTS font_lines)
    if(NOT (line MATCHES " yes +(yes|no) +(yes|no) +[0-9]+ +[0-9]+$"))
      fail("every font should be embedded:\n${fonts}")
    endif()
  endforeach()
  # Nine cards, four a page; Cyrillic look-alikes, a table row and flags by name.
  run(--card маа ае1 nc I-3 7 "1-й заменяющий" "ответный вымпел" R A --output more.pdf)
  if(NOT (status EQUAL 0))
    fail("the status should be 0")
  endif()
  tool(info "${PDFINFO}" "${SCRATCH}/more.pdf")
  if(NOT (info MATCHES "Pages: +3\n"))
    fail("nine cards should take three pages:\n${info}")
  endif()
  tool(text "${PDFTOTEXT}" "${SCRATCH}/more.pdf" -)
  foreach(shown MAA AE1 I-3 "Таблица I" "вымпел 7" "1-й заменяющий" "ответный вымпел" "флаг R" "У меня спущен водолаз")
    string(FIND "${text}" "${shown}" at)
    if(NOT (at GREATER -1))
      fail("the text of the PDF should hold «${shown}»")
    endif()
  endforeach()

elseif(CASE STREQUAL "refusals")
  # Each refusal leaves an existing file as it was and creates none.
  # status|what the error stream begins with|arguments, comma-separated
  set(cases
    "1|В своде нет сигнала или флага «ZZ9»|--card,ZZ9,--output,old.pdf"
    "1|В своде нет сигналов или флагов «ZZ9», «якорь»|--card,MAA,ZZ9,якорь,--output,new.pdf"
    "2|В картинку PNG помещается одна карточка|--card,MAA,AE1,--output,new.png"
    "2|В картинку SVG помещается одна карточка|--card,MAA,AE1,--output,old.svg"
    "2|Не понять, в каком виде записать «new.txt»|--card,MAA,--output,new.txt"
    "2|Не понять, в каком виде записать «new»|--card,MAA,--output,new"
    "2|Укажите после --output файл|--card,MAA"
    "2|Параметр --scale задаёт масштаб только картинки PNG.|--card,MAA,--output,new.pdf,--scale,2"
    "2|Масштаб --scale бывает 1, 2 или 4, а не «3».|--card,MAA,--output,new.png,--scale,3"
    "2|Пустой код|--card, ,--output,new.pdf"
    "2|Параметры --lookup и --card нельзя указывать вместе|--card,MAA,--lookup,MAA,--output,new.pdf"
    "2|Параметры --search и --card нельзя указывать вместе|--search,якорь,--card,MAA,--output,new.pdf"
    "2|Параметры --hoist и --card нельзя указывать вместе|--card,MAA,--hoist,MAA,--output,new.pdf"
    "2|Параметр --card указан больше одного раза.|--card,MAA,--card,NC,--output,new.pdf"
    "2|Параметр --output указан больше одного раза.|--card,MAA,--output,new.pdf,--output,old.pdf"
    "2|Параметр --output указывают только вместе с --card или --ticket.|--output,new.pdf"
    "2|Параметр --scale указывают только вместе с --card.|--lookup,MAA,--scale,2")
  foreach(case IN LISTS cases)
    if(NOT case MATCHES "^([0-9])\\|([^|]+)\\|(.+)$")
      message(FATAL_ERROR "a case is written wrong: ${case}")
    endif()
    set(expected_status "${CMAKE_MATCH_1}")
    set(message "${CMAKE_MATCH_2}")
    string(REPLACE "," ";" arguments "${CMAKE_MATCH_3}")
    file(REMOVE_RECURSE "${SCRATCH}")
    file(MAKE_DIRECTORY "${SCRATCH}")
    file(WRITE "${SCRATCH}/old.pdf" "прежний файл")
    file(WRITE "${SCRATCH}/old.svg" "прежний файл")
    run(${arguments})
    if(NOT status STREQUAL expected_status)
      fail("the status should be ${expected_status}")
    endif()
    string(FIND "${err}" "${message}" at)
    if(NOT at EQUAL 0 OR NOT out STREQUAL "")
      fail("the error stream should begin «${message}», and nothing be printed")
    endif()
    file(GLOB left RELATIVE "${SCRATCH}" "${SCRATCH}/*")
    file(READ "${SCRATCH}/old.pdf" old_pdf)
    file(READ "${SCRATCH}/old.svg" old_svg)
    if(NOT left STREQUAL "old.pdf;old.svg" OR NOT old_pdf STREQUAL "прежний файл" OR
       NOT old_svg STREQUAL "прежний файл")
      fail("no file should be written or changed, found: ${left}")
    endif()
  endforeach()

  # The whole message of an unknown code.
  run(--card MAA ZZ9 --output new.pdf)
  if(NOT err STREQUAL "В своде нет сигнала или флага «ZZ9»; карточки не записаны.\n")
    fail("the message should name the unknown code and say nothing was written")
  endif()

  # What is echoed shows control characters as \xNN.
  string(ASCII 27 esc)
  run(--card "Z${esc}c" --output new.pdf)
  if(NOT (status EQUAL 1))
    fail("the status should be 1")
  endif()
  string(FIND "${err}" [[«Z\x1bc»]] at)
  if(NOT (at GREATER 0 AND NOT err MATCHES "${esc}"))
    fail("the escape should be shown as \\x1b")
  endif()

  # A folder that is not there: nothing is written, and the message says why.
  run(--card MAA --output missing/cards.pdf)
  if(NOT (status EQUAL 1))
    fail("the status should be 1")
  endif()
  if(NOT (err MATCHES "^Файл «missing/cards.pdf» не записан: нет папки «"))
    fail("the message should name the folder")
  endif()

elseif(CASE STREQUAL "not_a_regular_file")
  # A named pipe, a folder, links to a device, to a pipe and to nothing: each
  # is refused with its reason and left as it was, by --card and by
  # --ticket, and no reader of the pipe is kept waiting.
  execute_process(COMMAND mkfifo "${SCRATCH}/pipe.pdf" RESULT_VARIABLE made)
  if(NOT made EQUAL 0)
    message(FATAL_ERROR "mkfifo could not make a named pipe")
  endif()
  file(MAKE_DIRECTORY "${SCRATCH}/folder.pdf")
  file(CREATE_LINK /dev/null "${SCRATCH}/device.pdf" SYMBOLIC)
  file(CREATE_LINK pipe.pdf "${SCRATCH}/to-pipe.svg" SYMBOLIC)
  file(CREATE_LINK nowhere.png "${SCRATCH}/dangling.png" SYMBOLIC)
  # file|the reason after «Файл «file» не записан: »
  set(cases
    "pipe.pdf|это именованный канал, а не обычный файл."
    "folder.pdf|это папка, а не обычный файл."
    "device.pdf|это ссылка на устройство, а не на обычный файл."
    "to-pipe.svg|это ссылка на именованный канал, а не на обычный файл."
    "dangling.png|это ссылка на файл, которого нет.")
  foreach(case IN LISTS cases)
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 name)
    list(GET parts 1 reason)
    set(runs "--card MAA")
    if(name MATCHES "\\.pdf$")
      list(APPEND runs "--ticket 12")
    endif()
    foreach(command IN LISTS runs)
      separate_arguments(command)
      run(${command} --output ${name})
      if(NOT (status EQUAL 1))
        fail("the status should be 1")
      endif()
      if(NOT (out STREQUAL "" AND err STREQUAL "Файл «${name}» не записан: ${reason}\n"))
        fail("the message should say: Файл «${name}» не записан: ${reason}")
      endif()
    endforeach()
  endforeach()
  execute_process(COMMAND test -p "${SCRATCH}/pipe.pdf" RESULT_VARIABLE still_a_pipe)
  if(NOT (still_a_pipe EQUAL 0 AND IS_DIRECTORY "${SCRATCH}/folder.pdf" AND IS_SYMLINK "${SCRATCH}/device.pdf" AND
          IS_SYMLINK "${SCRATCH}/dangling.png" AND NOT EXISTS "${SCRATCH}/nowhere.png"))
    fail("every one should be left as it was")
  endif()
  file(GLOB left RELATIVE "${SCRATCH}" "${SCRATCH}/*")
  list(SORT left)
  if(NOT left STREQUAL "dangling.png;device.pdf;folder.pdf;pipe.pdf;to-pipe.svg")
    fail("nothing else should be written, found: ${left}")
  endif()

elseif(CASE STREQUAL "file_size_limit")
  # Under a file-size limit (ulimit -f, in blocks of 1,024 bytes) smaller than
  # the file, each output is refused with a Russian message and status 1, the
  # old file left as it was and no temporary file behind; the signal the
  # kernel sends past the limit does not end the program.
  # The signal's default restored, as a terminal gives it (the test runner may
  # hand it down ignored).
  find_program(SHELL_PROGRAM sh REQUIRED)
  find_program(ENV_PROGRAM env REQUIRED)
  function(run_limited blocks)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
              ${ENV_PROGRAM} --default-signal=XFSZ
              ${SHELL_PROGRAM} -c "ulimit -f ${blocks} && exec \"$0\" \"$@\"" ${PROGRAM} ${ARGN}
      WORKING_DIRECTORY "${SCRATCH}"
      RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    set(status "${status}" PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
    set(ran "ulimit -f ${blocks}; mss65 ${ARGN}" PARENT_SCOPE)
  endfunction()
  foreach(arguments "--card;NC;MAA;AE1;--output;old.pdf" "--card;MAA;--output;old.png;--scale;4"
                    "--card;MAA;--output;old.svg" "--ticket;12;--output;old.pdf")
    file(REMOVE_RECURSE "${SCRATCH}")
    file(MAKE_DIRECTORY "${SCRATCH}")
    foreach(old old.pdf old.png old.svg)
      file(WRITE "${SCRATCH}/${old}" "прежний файл")
    endforeach()
    run_limited(2 ${arguments})
    list(GET arguments -1 name)
    if(name STREQUAL "4")
      set(name old.png)
    endif()
    if(NOT (status EQUAL 1))
      fail("the status should be 1, not the end by a signal")
    endif()
    set(message "Файл «${name}» не записан: он превысил бы предел размера файла, установленный в системе (ulimit -f).\n")
    if(NOT (out STREQUAL "" AND err STREQUAL message))
      fail("the message should say the file-size limit stopped it")
    endif()
    file(GLOB left RELATIVE "${SCRATCH}" "${SCRATCH}/*")
    list(SORT left)
    foreach(old old.pdf old.png old.svg)
      file(READ "${SCRATCH}/${old}" kept)
      if(NOT kept STREQUAL "прежний файл")
        fail("${old} should be left as it was")
      endif()
    endforeach()
    if(NOT left STREQUAL "old.pdf;old.png;old.svg")
      fail("nothing else should be written, found: ${left}")
    endif()
  endforeach()
  # Under a limit it fits in, the file is written.
  run_limited(100000 --card NC MAA AE1 --output cards.pdf)
  if(NOT (status EQUAL 0 AND EXISTS "${SCRATCH}/cards.pdf"))
    fail("the PDF fits under the limit and should be written")
  endif()

elseif(CASE STREQUAL "no_module")
  # The program cannot find its printing module: a Russian message, status 2, nothing written.
  set(ENVIRONMENT "MSS65_PRINT_MODULE=${SCRATCH}/nowhere/libmss65-print.so")
  run(--card MAA --output maa.png)
  if(NOT (status EQUAL 2))
    fail("the status should be 2")
  endif()
  if(NOT (err MATCHES "^Печать и экспорт недоступны: нет модуля печати «[^»]*/nowhere/libmss65-print.so»"))
    fail("the message should say the module is missing")
  endif()
  if(NOT (NOT EXISTS "${SCRATCH}/maa.png"))
    fail("nothing should be written")
  endif()

elseif(CASE STREQUAL "startup_libraries")
  # Qt Print Support and Qt SVG come only with the module, never with the program.
  tool(libraries ldd "${PROGRAM}")
  if(NOT (NOT libraries MATCHES "libQt6PrintSupport|libQt6Svg|mss65-print"))
    fail("the program should not link the printing libraries:\n${libraries}")
  endif()
  if(NOT (libraries MATCHES "libQt6Widgets"))
    fail("ldd should list the program's libraries:\n${libraries}")
  endif()

else()
  message(FATAL_ERROR "no such case: ${CASE}")
endif()
