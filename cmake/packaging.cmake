# The release zip of the Windows build (cpack, or cmake --build <dir> --target package):
#   Plugins/Stats.dll, Plugins/Zarnik.exe   copied into the host's Plugins folder
#   stats-host.exe                          scores an ADIF log through Plugins/Stats.dll
#   crosscheck.exe                          checks the participants' logs against each other
#   sample.adi                              a short log to try stats-host.exe on
#   INSTALL.txt                             how to install
# Everything goes into one folder named after the release.

# The DLL's import library is of no use to the host: it stays out.
install(TARGETS Stats RUNTIME DESTINATION Plugins ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
if(TARGET Zarnik)
  install(TARGETS Zarnik RUNTIME DESTINATION Plugins)
endif()
install(TARGETS stats-host crosscheck RUNTIME DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/docs/INSTALL.txt" "${PROJECT_SOURCE_DIR}/examples/sample.adi"
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME "KesdraVelk")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_PACKAGE_FILE_NAME "KesdraVelk-${PROJECT_VERSION}-win32")
else()
  # Not a release: the host is 32-bit and loads only the 32-bit plug-in.
  set(CPACK_PACKAGE_FILE_NAME "KesdraVelk-${PROJECT_VERSION}-win64-test")
endif()
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)  # smaller files; the build tree keeps the unstripped ones
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/release")
include(CPack)
