# SPDX-License-Identifier: MIT
# cmake -DBUILD_DIR=... -DPREFIX=... -DWORK=... [-DPROBE=... -DWITH_UI=ON] -P InstallCheck.cmake
# Installs BUILD_DIR into PREFIX and checks the installed programs.

function(fail)
  string(JOIN "" message ${ARGN})
  message(FATAL_ERROR "install test: ${message}")
endfunction()

file(REMOVE_RECURSE ${PREFIX} ${WORK})
file(MAKE_DIRECTORY ${WORK}/home/.config)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("cmake --install failed (${rc}):\n${out}\n${err}")
endif()

set(app_id org.valdora.Valdora)
set(expected
  bin/valdora-cli
  share/valdora/vdr.dat
  share/valdora/manual.html
  share/applications/${app_id}.desktop
  share/icons/hicolor/scalable/apps/${app_id}.svg
  share/metainfo/${app_id}.metainfo.xml
  share/man/man1/valdora.1.gz
  share/man/man1/valdora-cli.1.gz
  share/doc/valdora/copyright
  share/doc/valdora/changelog.gz
  share/doc/valdora/manual.html
  share/bash-completion/completions/valdora-cli
  share/zsh/vendor-completions/_valdora-cli
  share/fish/vendor_completions.d/valdora-cli.fish)
if(WITH_UI)
  list(APPEND expected bin/valdora)
endif()
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    fail("${f} is not installed")
  endif()
endforeach()
if(EXISTS ${PREFIX}/bin/vdr.dat)
  fail("bin/vdr.dat installed: the programs would not be shown to find share/valdora/vdr.dat")
endif()

# The desktop entry starts the installed program and names the installed icon.
file(READ ${PREFIX}/share/applications/${app_id}.desktop desktop)
foreach(line "Type=Application" "Exec=valdora" "Icon=${app_id}")
  if(NOT desktop MATCHES "(^|\n)${line}(\n|$| )")
    fail("${app_id}.desktop lacks ${line}")
  endif()
endforeach()
# The manual in the doc folder is a link to the one the program opens.
file(READ_SYMLINK ${PREFIX}/share/doc/valdora/manual.html doc_link)
if(NOT doc_link STREQUAL "../../valdora/manual.html")
  fail("share/doc/valdora/manual.html links to '${doc_link}'")
endif()

# Minimal systems drop share/doc: the programs must run without it.
file(REMOVE_RECURSE ${PREFIX}/share/doc)

# valdora-cli from its installed place, started from an unrelated folder.
set(env ${CMAKE_COMMAND} -E env HOME=${WORK}/home XDG_CONFIG_HOME=${WORK}/home/.config)
execute_process(COMMAND ${env} ${PREFIX}/bin/valdora-cli --first 2020-01-01 --second 2020-12-31
                WORKING_DIRECTORY ${WORK} TIMEOUT 60
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(want "2020-01-01 CE to 2020-12-31 CE = 365 days")
string(FIND "${out}" "${want}" at)
if(NOT rc EQUAL 0 OR NOT at EQUAL 0)
  fail("installed valdora-cli answered (${rc}) '${out}' '${err}', expected '${want}...'")
endif()
execute_process(COMMAND ${env} ${PREFIX}/bin/valdora-cli --batch --today 2024-02-29 --first-cal CE --second-cal ISO
                INPUT_FILE ${CMAKE_CURRENT_LIST_DIR}/batch-input.txt
                WORKING_DIRECTORY ${WORK} TIMEOUT 60
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ ${CMAKE_CURRENT_LIST_DIR}/batch-expected.txt want)
# Status 1: two of the lines (a blank one, an invalid date) fail.
if(NOT rc EQUAL 1 OR NOT out STREQUAL want)
  fail("installed valdora-cli --batch answered (${rc}):\n${out}${err}\nexpected:\n${want}")
endif()

# The window program from its installed place: the probe build of the same main(), copied
# beside the installed valdora, shows the main window under the offscreen platform and ends.
# A missing program text file would show a modal message instead and never end (TIMEOUT).
if(WITH_UI)
  file(COPY ${PROBE} DESTINATION ${PREFIX}/bin)
  get_filename_component(probe_name ${PROBE} NAME)
  execute_process(COMMAND ${env} QT_QPA_PLATFORM=offscreen ${PREFIX}/bin/${probe_name}
                  WORKING_DIRECTORY ${WORK} TIMEOUT 60
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    fail("installed window program did not start and end cleanly (${rc}):\n${out}\n${err}")
  endif()
endif()
message(STATUS "install test: ${PREFIX} holds a working installation")
