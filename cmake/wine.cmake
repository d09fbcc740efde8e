# Runs the cross-built tests under wine of the build's own architecture: the
# 32-bit loader for the i686 build, wine64 for the x86_64 build. (Debian's
# `wine` wrapper would pick the 32-bit loader whenever wine32 is installed, so
# the loaders are called directly.) Every wine test requires the fixture
# "wine_prefix", which makes a private prefix in the build tree (null display
# driver, one persistent wineserver) and stops the server afterwards.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KV_WINEARCH win64)
  set(loader_names wine64)
  set(wine_packages "wine64")
else()
  set(KV_WINEARCH win32)
  set(loader_names wine)
  set(wine_packages "dpkg --add-architecture i386 && apt-get install wine wine32:i386")
endif()
find_program(KV_WINE NAMES ${loader_names} PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
find_program(KV_WINE NAMES ${loader_names})
find_program(KV_WINESERVER wineserver)
if(NOT KV_WINE OR NOT KV_WINESERVER)
  message(FATAL_ERROR "wine for ${KV_WINEARCH} was not found: the Windows build runs its tests "
                      "under wine (${wine_packages})")
endif()

set(KV_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")
set(KV_WINE_RUN "${CMAKE_BINARY_DIR}/wine-run")
configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in" "${KV_WINE_RUN}" @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${KV_WINE_RUN}")

add_test(NAME wine_prefix_setup
         COMMAND sh "${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh" setup "${KV_WINE_RUN}")
add_test(NAME wine_prefix_teardown
         COMMAND sh "${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh" teardown "${KV_WINE_RUN}")
set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine_prefix LABELS wine TIMEOUT 180)
set_tests_properties(wine_prefix_teardown PROPERTIES FIXTURES_CLEANUP wine_prefix LABELS wine TIMEOUT 60)
