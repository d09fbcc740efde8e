# Runs the cross-built tests under 32-bit wine. Every wine test requires the
# fixture "wine_prefix", which makes a private prefix in the build tree (null
# display driver, one persistent wineserver) and stops the server afterwards.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

find_program(KV_WINE wine)
find_program(KV_WINESERVER wineserver)
if(NOT KV_WINE OR NOT KV_WINESERVER)
  message(FATAL_ERROR "wine was not found: the Windows build runs its tests under wine "
                      "(dpkg --add-architecture i386 && apt-get install wine wine32:i386)")
endif()

set(KV_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
set(KV_WINE_RUN "${CMAKE_BINARY_DIR}/wine-run")
configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in" "${KV_WINE_RUN}" @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${KV_WINE_RUN}")

add_test(NAME wine_prefix_setup
         COMMAND sh "${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh" setup "${KV_WINEPREFIX}")
add_test(NAME wine_prefix_teardown
         COMMAND sh "${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh" teardown "${KV_WINEPREFIX}")
set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine_prefix LABELS wine TIMEOUT 180)
set_tests_properties(wine_prefix_teardown PROPERTIES FIXTURES_CLEANUP wine_prefix LABELS wine TIMEOUT 60)
