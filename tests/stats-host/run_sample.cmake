# Scores examples/sample.adi with stats-host in a fresh working folder and
# compares what it prints and what the plug-in writes with golden/.
#   -DSTATS_HOST=<program> -DEMULATOR=<wine wrapper or empty>
#   -DVARIANT=report|cyrillic|raw|html-en -DSOURCE_DIR=<repository>
#   -DWORK_DIR=<scratch folder> [-DUPDATE=ON]
# report:   --cabrillo --confirm-details --repeats --html (Russian); compares the
#           printed report, err.txt, the Cabrillo log and the HTML page, and
#           checks the Claimed key of ZORVA.ini.
# cyrillic: the same run with Cyrillic folder and file names, all relative to a
#           current folder with a Cyrillic name; the same files and checks.
# raw:      --raw; compares the plug-in's summary text byte for byte.
# html-en:  --cabrillo --confirm-details --html (English); compares the HTML page.
# UPDATE=ON writes the results into golden/ instead of comparing.
cmake_minimum_required(VERSION 3.25)

set(golden_dir "${SOURCE_DIR}/tests/stats-host/golden")
set(stdout_file "${WORK_DIR}.stdout")
file(REMOVE_RECURSE "${WORK_DIR}")
file(REMOVE "${stdout_file}")
file(MAKE_DIRECTORY "${WORK_DIR}")

set(log "${SOURCE_DIR}/examples/sample.adi")
set(run_dir "${WORK_DIR}")     # where stats-host starts
set(plugin_dir "${WORK_DIR}")  # the working folder, relative to WORK_DIR
set(arguments --dir "${WORK_DIR}")
if(VARIANT STREQUAL "report")
  file(COPY "${SOURCE_DIR}/examples/cabrillo.ini" DESTINATION "${WORK_DIR}")
  list(APPEND arguments --cabrillo --confirm-details --repeats
       --html "${WORK_DIR}/report-ru.html" --lang ru)
  # golden files, and what each is compared with ("-": what stats-host printed)
  set(golden_names report.txt err.txt R3KV.cbr report-ru.html)
  set(written_names - err.txt R3KV.cbr report-ru.html)
elseif(VARIANT STREQUAL "cyrillic")
  set(run_dir "${WORK_DIR}/Иван")
  set(plugin_dir "${run_dir}/работа")
  file(MAKE_DIRECTORY "${plugin_dir}")
  file(COPY "${SOURCE_DIR}/examples/cabrillo.ini" DESTINATION "${plugin_dir}")
  file(COPY_FILE "${log}" "${run_dir}/журнал.adi")
  set(log журнал.adi)
  set(arguments --dir работа --cabrillo --confirm-details --repeats --html отчёт.html --lang ru)
  set(golden_names report.txt err.txt R3KV.cbr report-ru.html)
  set(written_names - Иван/работа/err.txt Иван/работа/R3KV.cbr Иван/отчёт.html)
elseif(VARIANT STREQUAL "html-en")
  file(COPY "${SOURCE_DIR}/examples/cabrillo.ini" DESTINATION "${WORK_DIR}")
  list(APPEND arguments --cabrillo --confirm-details --html "${WORK_DIR}/report-en.html" --lang en)
  set(golden_names report-en.html)
  set(written_names report-en.html)
elseif(VARIANT STREQUAL "raw")
  list(APPEND arguments --raw)
  set(golden_names raw-summary.txt)
  set(written_names -)
else()
  message(FATAL_ERROR "unknown VARIANT ${VARIANT}")
endif()

execute_process(
  COMMAND ${EMULATOR} "${STATS_HOST}" ${arguments} "${log}"
  WORKING_DIRECTORY "${run_dir}"
  OUTPUT_FILE "${stdout_file}"
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "stats-host ended with ${status}:\n${errors}")
endif()

set(failures "")
foreach(golden_name written IN ZIP_LISTS golden_names written_names)
  set(golden "${golden_dir}/${golden_name}")
  set(actual "${WORK_DIR}/${written}")
  if(written STREQUAL "-")
    set(actual "${stdout_file}")
  endif()

  if(UPDATE)
    if(EXISTS "${actual}")
      configure_file("${actual}" "${golden}" COPYONLY)
      message(STATUS "updated ${golden}")
    endif()
    continue()
  endif()
  if(NOT EXISTS "${golden}" AND NOT EXISTS "${actual}")
    continue()  # a file neither expected nor written
  endif()
  if(NOT EXISTS "${actual}")
    string(APPEND failures "\n${actual} was not written")
    continue()
  endif()
  if(NOT EXISTS "${golden}")
    string(APPEND failures "\n${actual} has no golden file ${golden} (run with -DUPDATE=ON)")
    continue()
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${golden}" "${actual}"
                  RESULT_VARIABLE different OUTPUT_QUIET ERROR_QUIET)
  if(different)
    execute_process(COMMAND diff -u "${golden}" "${actual}" OUTPUT_VARIABLE diff ERROR_QUIET)
    string(APPEND failures "\n${actual} differs from ${golden}:\n${diff}")
  endif()
endforeach()

if(VARIANT MATCHES "report|cyrillic" AND NOT UPDATE)
  # The score that the report shows is the one kept in the settings file.
  file(READ "${golden_dir}/report.txt" report)
  string(REGEX MATCH "Score: = (-?[0-9]+)" score_line "${report}")
  set(score "${CMAKE_MATCH_1}")
  file(READ "${plugin_dir}/Plugins/ZORVA.ini" settings)
  if(score STREQUAL "" OR NOT settings MATCHES "(^|\n)Claimed=${score}\r?(\n|$)")
    string(APPEND failures "\nPlugins/ZORVA.ini does not hold Claimed=${score}:\n${settings}")
  endif()
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "stats-host ${VARIANT} run differs:${failures}")
endif()
