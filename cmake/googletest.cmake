# GoogleTest from Debian's source package, built with the project's own compiler
# so that the same suites run natively and, cross-compiled, under wine.
set(KV_GOOGLETEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")
if(NOT EXISTS "${KV_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found in ${KV_GOOGLETEST_SOURCE_DIR} (apt-get install googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory("${KV_GOOGLETEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# kv_add_gtest(<target> LABEL <label> SOURCES <files...> LIBRARIES <libs...>)
# One ctest test per case; under cross-compiling the cases are discovered and run
# through the wine emulator and need the wine prefix fixture.
function(kv_add_gtest target)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBRARIES;PROPERTIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  set(labels ${ARG_LABEL})
  set(extra_properties)
  if(CMAKE_CROSSCOMPILING)
    list(APPEND labels wine)
    list(APPEND extra_properties FIXTURES_REQUIRED wine_prefix)
  else()
    list(APPEND labels native)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
    PROPERTIES ${extra_properties} ${ARG_PROPERTIES})
  if(CMAKE_CROSSCOMPILING)
    # Listing the cases runs the program under wine. A test run that can't
    # start wine (the i686 binaries checked on a machine that runs no 32-bit
    # code) sets KV_NO_WINE and lists no cases instead of failing.
    get_property(includes DIRECTORY PROPERTY TEST_INCLUDE_FILES)
    list(POP_BACK includes discovery_script)
    set(guarded_script "${CMAKE_CURRENT_BINARY_DIR}/${target}_discovery.cmake")
    file(WRITE "${guarded_script}"
         "if(NOT DEFINED ENV{KV_NO_WINE})\n  include(\"${discovery_script}\")\nendif()\n")
    set_property(DIRECTORY PROPERTY TEST_INCLUDE_FILES ${includes} "${guarded_script}")
  endif()
  # gtest_discover_tests splits a list value (even an escaped one) into separate
  # arguments, which shifts every property after it; the labels are set on the
  # discovered cases by a script that ctest includes after the discovery.
  set(label_script "${CMAKE_CURRENT_BINARY_DIR}/${target}_labels.cmake")
  file(WRITE "${label_script}"
       "if(${target}_TESTS)\n  set_tests_properties(\${${target}_TESTS} PROPERTIES LABELS \"${labels}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${label_script}")
endfunction()
